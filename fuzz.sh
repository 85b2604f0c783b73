#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and
# undefined-behaviour sanitizers (folder build-fuzz), and runs them.
#
#   ./fuzz.sh TARGET SECONDS   runs one target (e.g. ./fuzz.sh FunktionsVaerdi 300)
#   ./fuzz.sh all SECONDS      runs every target in turn, SECONDS each
#   ./fuzz.sh list             names the targets
#
# The checked-in corpus fuzz/korpus/TARGET is read but never written: new
# inputs go to build-fuzz/korpus/TARGET, and a crash, hang, leak or sanitizer
# report leaves its input in build-fuzz/fund/TARGET/. FUZZ_TIMEOUT=N allows
# N seconds per input instead of 1, on a machine busy with other work. Replay
# one input with
#   build-fuzz/fuzz/fuzz_TARGET FILE
# and, once the fault is fixed, copy the input into fuzz/korpus/TARGET so
# that ./test.sh keeps trying it.
set -euo pipefail
cd "$(dirname "$0")"

maalene() { ls fuzz/maal/*.cpp | xargs -n1 basename | sed 's/\.cpp$//'; }

if [ $# -eq 1 ] && [ "$1" = list ]; then
  maalene
  exit 0
fi
if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
  echo "brug: $0 TARGET|all SECONDS   (eller: $0 list)" >&2
  exit 2
fi
maal=$1
sekunder=$2
if [ "$maal" = all ]; then
  valgte=($(maalene))
elif [ -f "fuzz/maal/$maal.cpp" ]; then
  valgte=("$maal")
else
  echo "ukendt target: $maal (se $0 list)" >&2
  exit 2
fi

source scripts/installer.sh
plotvik_installer clang libclang-rt-14-dev

cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTVIK_FUZZ=ON -DPLOTVIK_SANITIZE=ON \
  -DPLOTVIK_UI=OFF -DPLOTVIK_BENCH=OFF -DPLOTVIK_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${valgte[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for m in "${valgte[@]}"; do
  mkdir -p "build-fuzz/korpus/$m" "build-fuzz/fund/$m"
  ordbog=()
  if [ -f "fuzz/ordbog/$m.dict" ]; then ordbog=("-dict=fuzz/ordbog/$m.dict"); fi
  echo "== $m, $sekunder s"
  build-fuzz/fuzz/"fuzz_$m" "build-fuzz/korpus/$m" "fuzz/korpus/$m" "${ordbog[@]}" \
    -max_total_time="$sekunder" -max_len=4096 -timeout="${FUZZ_TIMEOUT:-1}" -rss_limit_mb=2048 \
    -artifact_prefix="build-fuzz/fund/$m/" -print_final_stats=1
done
