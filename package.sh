#!/usr/bin/env bash
# Installs what is missing, builds a release build and makes the Debian
# package build-release/plotvik_<version>_<arch>.deb with CPack, then checks
# it with lintian: an error fails the script, warnings and notes are shown.
# Install it with: sudo apt-get install ./build-release/plotvik_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/installer.sh
plotvik_installer lintian
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPLOTVIK_TESTS=OFF -DPLOTVIK_BENCH=OFF >/dev/null
cmake --build build-release -j2 --target plotvik
rm -f build-release/plotvik_*.deb
(cd build-release && cpack -G DEB)
ls -l build-release/plotvik_*.deb
lintian --fail-on error --no-tag-display-limit build-release/plotvik_*.deb
echo "lintian: ingen fejl"
