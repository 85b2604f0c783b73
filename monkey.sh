#!/usr/bin/env bash
# The monkey test for longer: ./monkey.sh SECONDS [SEED]
# Drives the real window offscreen with random clicks, keys and answers for
# SECONDS (default 600) from SEED (default: a random one, printed at the end).
# Uses the sanitizer build (build-asan) when it has the window's tests, else
# the normal build. Also PLOTVIK_ABE_SEKUNDER / PLOTVIK_ABE_FROE.
# Any Qt warning is a fault and is printed with its seed and step
# (PLOTVIK_ABE_TRIN=N replays the first N steps).
set -euo pipefail
cd "$(dirname "$0")"
sekunder=${1:-${PLOTVIK_ABE_SEKUNDER:-600}}
froe=${2:-${PLOTVIK_ABE_FROE:-$RANDOM$RANDOM}}
mappe=build
if [[ -d build-asan && -z "${PLOTVIK_ABE_UDEN_ASAN:-}" ]] && grep -q "test_ui" <(cmake --build build-asan --target help 2>/dev/null); then
  mappe=build-asan
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTVIK_TESTS=ON >/dev/null
fi
cmake --build "$mappe" -j2 --target test_ui >/dev/null
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A copy of the program, so that a build meanwhile does not disturb the run.
program=$(mktemp /tmp/plotvik-abekat-XXXXXX)
trap 'rm -f "$program"' EXIT
cp "$mappe/tests/test_ui" "$program"
chmod +x "$program"
echo "Abekat: $mappe, $sekunder s, froe $froe" >&2
set +e
PLOTVIK_ABE_SEKUNDER=$sekunder PLOTVIK_ABE_FROE=$froe \
  "$program" --gtest_filter=Abekat.Fri 2>&1 | grep -v -e "This plugin does not support"
status=${PIPESTATUS[0]}
echo "Abekat: froe $froe, afslutningskode $status" >&2
exit "$status"
