#!/usr/bin/env bash
# Seeds a corpus for each file-reader fuzzer from the test data and a few hostile
# names, then runs each fuzzer for the given seconds (default 60).
#   fuzz/run-fuzzers.sh BUILD_DIR [SECONDS]
# A crash leaves its input as BUILD_DIR/fuzz-crashes/<fuzzer>-crash-*; turn it into a
# regression test before fixing it.
set -euo pipefail
build=${1:?build directory with TESSELLA_FUZZ=ON}
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
corpus_root=$build/fuzz-corpus
crashes=$build/fuzz-crashes
mkdir -p "$crashes"

names=("-000" "-999" "-ab1" "00-000" "menu-080.bny" "LOGO25-080.BSA" "MENU" "menu2" "")
data_files=("$source_dir"/tests/data/bsave/* "$source_dir"/tests/golden/files/*)

seed() {  # seed FUZZER: every name with every data file, and with a small pop file
  local dir=$corpus_root/$1 n=0
  mkdir -p "$dir"
  for name in "${names[@]}"; do
    for file in "${data_files[@]}"; do
      { printf '%s\n' "$name"; cat "$file"; } > "$dir/seed-$n"
      n=$((n + 1))
    done
    { printf '%s\n\x05\x07\x0a\x0d' "$name"; head -c 48 /dev/zero | tr '\0' 'A'; } > "$dir/seed-$n"
    n=$((n + 1))
  done
}

seed_raw() {  # seed_raw FUZZER FILES...: the files as they are
  local dir=$corpus_root/$1
  shift
  mkdir -p "$dir"
  cp "$@" "$dir/"
}

for fuzzer in binary_screens_fuzz bsave_fuzz pop_fuzz include_fuzz text_view_fuzz \
    art_ansi_fuzz art_bin_fuzz art_xbin_fuzz sauce_fuzz; do
  case $fuzzer in
    art_*|sauce_*) seed_raw "$fuzzer" "$source_dir"/tests/data/ans/* "$source_dir"/tests/data/bin/* ;;
    *) seed "$fuzzer" ;;
  esac
  "$build/fuzz/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$crashes/$fuzzer-" "$corpus_root/$fuzzer" 2> "$build/$fuzzer.log" || {
    echo "$fuzzer: FAILED, see $build/$fuzzer.log"; exit 1; }
  echo "$fuzzer: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$fuzzer.log" |
    grep -o '[0-9]*$') runs in ${seconds}s"
done
