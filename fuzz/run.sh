#!/usr/bin/env bash
# Builds a fuzzer with clang, makes a seed corpus and runs it: the workbook
# reader over workbooks written by cbwb (and the shared test data when
# present), or the project-folder commands over project folders read from
# them. Usage: bash fuzz/run.sh [SECONDS] [mappe|projekt]   (600, mappe)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
secs="${1:-600}"
ziel="${2:-mappe}"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCB_BUILD_FUZZ=ON \
  -DCB_BUILD_UI=OFF -DCB_BUILD_TESTS=OFF -DCB_BUILD_BENCH=OFF >/dev/null
if [ -z "${CBWB:-}" ]; then
  cmake --build "$build" -j2 --target cbwb
  CBWB="$build/bin/cbwb"
fi
if [ "$ziel" = projekt ]; then
  cmake --build "$build" -j2 --target cbfuzz_projekt codebrindle-cli cbwb
  seeds="$build/seeds-projekt"
  rm -rf "$seeds" "$build/ordner"
  mkdir -p "$seeds" "$build/corpus-projekt" "$build/findings-projekt" "$build/ordner"
  # A seed is a project's database, then each module text after "\n--M--\n"
  n=0
  for args in "--generate 3 40" "--generate 2 25 --codepage 1251" "examples/*.bas examples/*.cls examples/*.frm"; do
    n=$((n + 1))
    # shellcheck disable=SC2086
    "$build/bin/cbwb" "$build/ordner/m$n.xlsm" $args >/dev/null
    "$build/bin/codebrindle-cli" read --out "$build/ordner/p$n" "$build/ordner/m$n.xlsm" >/dev/null
    {
      cat "$build/ordner/p$n/CodeBrindle.mdb"
      for t in $(ls "$build/ordner/p$n" | grep '^M[0-9]*\.txt$' | sort -V); do
        printf '\n--M--\n'
        cat "$build/ordner/p$n/$t"
      done
    } > "$seeds/projekt$n"
  done
  ASAN_OPTIONS="fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
  LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$build/bin/cbfuzz_projekt" -max_total_time="$secs" -rss_limit_mb=2048 -max_len=400000 \
    -timeout=30 -print_final_stats=1 -artifact_prefix="$build/findings-projekt/" "$build/corpus-projekt" "$seeds"
  exit
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
