#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with ctest (offscreen).
# First the engine tests, the replay of the fuzz corpora and the window's
# tests run under AddressSanitizer and UndefinedBehaviorSanitizer (folder
# build-asan: only those test programs, not the program or the benchmarks);
# then the whole suite runs in the normal build, so the last line is that
# run's summary. Any failed test or sanitizer report ends the script with a
# non-zero exit.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/installer.sh
plotvik_installer
export QT_QPA_PLATFORM=offscreen

# -O1 with line tables only: half the compile time of -O2 -g, and every
# report still names the file and line.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" -DPLOTVIK_TESTS=ON \
  -DPLOTVIK_SANITIZE=ON -DPLOTVIK_UI=ON -DPLOTVIK_BENCH=OFF >/dev/null
# A layer without tests yet has no test program: build those that exist.
mulige=$(cmake --build build-asan --target help)
asan_maal=()
for m in test_core test_interpreter test_files test_graphs test_tabeller fuzz_afspil test_ui; do
  if grep -Eq "^(\.\.\. )?$m(:|\$| )" <<<"$mulige"; then asan_maal+=("$m"); fi
done
if ((${#asan_maal[@]} == 0)); then
  echo "Ingen testprogrammer at bygge med sanitizere" >&2
  exit 1
fi
cmake --build build-asan -j2 --target "${asan_maal[@]}"
(
  cd build-asan
  # tests/lsan.supp names leaks of the system's libraries, never of ours.
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
  LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j2 --timeout 600
)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTVIK_TESTS=ON >/dev/null
cmake --build build -j2
cd build
ctest --output-on-failure -j2 --timeout 300
