#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Plotvik.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/installer.sh
plotvik_installer
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPLOTVIK_TESTS=OFF -DPLOTVIK_BENCH=OFF >/dev/null
cmake --build build-release -j2 --target plotvik
exec ./build-release/plotvik "$@"
