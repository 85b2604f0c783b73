#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with ctest (offscreen).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/installer.sh
plotvik_installer
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTVIK_TESTS=ON >/dev/null
cmake --build build -j2
cd build
ctest --output-on-failure -j2 --timeout 300
