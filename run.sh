#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Plotvik.
# Arguments go on to the program (plotvik --help); a project file named on
# the line is found from the folder the command was given in.
set -euo pipefail
start=$PWD
cd "$(dirname "$0")"
rod=$PWD
source scripts/installer.sh
plotvik_installer
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPLOTVIK_TESTS=OFF -DPLOTVIK_BENCH=OFF >/dev/null
cmake --build build-release -j2 --target plotvik
cd "$start"
exec "$rod/build-release/plotvik" "$@"
