#!/usr/bin/env bash
# Builds the workbook reader's fuzzer with clang, makes a seed corpus from
# workbooks written by cbwb (and the shared test data when present) and
# runs it. Usage: bash fuzz/run.sh [SECONDS]   (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
secs="${1:-600}"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCB_BUILD_FUZZ=ON \
  -DCB_BUILD_UI=OFF -DCB_BUILD_TESTS=OFF -DCB_BUILD_BENCH=OFF >/dev/null
if [ -z "${CBWB:-}" ]; then
  cmake --build "$build" -j2 --target cbwb
  CBWB="$build/bin/cbwb"
fi
cmake --build "$build" -j2 --target cbfuzz_workbook

seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds" "$build/corpus" "$build/findings"
"$CBWB" "$seeds/klein.xlsm" --generate 4 60
"$CBWB" "$seeds/klein.xls" --generate 3 30 --cache 40
"$CBWB" "$seeds/klein.bin" --generate 2 12
"$CBWB" "$seeds/gesperrt.xlsm" --generate 3 20 --locked
"$CBWB" "$seeds/kyrillisch.xls" --codepage 1251 --generate 3 25
"$CBWB" "$seeds/klein.docm" --generate 3 20
"$CBWB" "$seeds/klein.pptm" --generate 2 20
"$CBWB" "$seeds/klein.doc" --generate 2 20
for k in module-stream module-offset module-truncated dir-size dir-count missing-stream project-stream truncated module-name; do
  "$CBWB" "$seeds/$k.xlsm" --generate 3 20 --damage "$k"
done
if ls examples/*.bas >/dev/null 2>&1; then
  "$CBWB" "$seeds/beispiel.xlsm" examples/*.bas examples/*.cls examples/*.frm
fi
if [ -d ../shared/testdata ]; then
  i=0
  while IFS= read -r -d '' f; do
    i=$((i + 1))
    cp "$f" "$seeds/testdata_$i"
  done < <(find ../shared/testdata -type f \( -name '*.xls*' -o -name '*.xla*' -o -name '*.doc*' -o -name '*.bin' \) -size -200k -print0)
fi

# The slow unwinder costs speed but lets the leak suppressions name gsf's
# function instead of every glib allocation.
ASAN_OPTIONS="fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
"$build/bin/cbfuzz_workbook" -max_total_time="$secs" -rss_limit_mb=2048 -max_len=200000 \
  -timeout=30 -print_final_stats=1 -artifact_prefix="$build/findings/" "$build/corpus" "$seeds"
