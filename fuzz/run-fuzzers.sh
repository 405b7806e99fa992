#!/usr/bin/env bash
# Seeds a corpus for each fuzzer built in BUILD_DIR/fuzz from the test data (and, for
# the readers that take a file name, a few hostile names; for the replay parser, the
# scenarios' scripts), then runs every fuzzer (or those FUZZERS names) for SECONDS
# (default 60), JOBS at a time (default: the number of cores).
#   fuzz/run-fuzzers.sh BUILD_DIR [SECONDS] [JOBS]
#   FUZZERS="replay_script_fuzz" fuzz/run-fuzzers.sh BUILD_DIR 600 1
# A crash leaves its input as BUILD_DIR/fuzz-crashes/<fuzzer>-crash-*; turn it into a
# regression test before fixing it.
set -euo pipefail
build=${1:?build directory with TESSELLA_FUZZ=ON}
seconds=${2:-60}
jobs=${3:-$(nproc 2>/dev/null || echo 2)}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
corpus_root=$build/fuzz-corpus
crashes=$build/fuzz-crashes
mkdir -p "$crashes"

names=("-000" "-999" "-ab1" "00-000" "menu-080.bny" "LOGO25-080.BSA" "MENU" "menu2" "")
data_files=("$source_dir"/tests/data/*/* "$source_dir"/tests/golden/files/*)

# Readers that are given a file name first: every name with every data file.
seed_named() {
  local dir=$1 n=0
  for name in "${names[@]}"; do
    for file in "${data_files[@]}"; do
      [ -f "$file" ] || continue
      { printf '%s\n' "$name"; cat "$file"; } > "$dir/start-$n"
      n=$((n + 1))
    done
    { printf '%s\n\x05\x07\x0a\x0d' "$name"; head -c 48 /dev/zero | tr '\0' 'A'; } > "$dir/start-$n"
    n=$((n + 1))
  done
}

# The others: the data files as they are, and the fuzzer's own seeds when it has some.
seed_raw() {
  local dir=$1 fuzzer=$2
  for file in "${data_files[@]}"; do [ -f "$file" ] && cp "$file" "$dir/"; done
  if [ -d "$source_dir/fuzz/seeds/${fuzzer%_fuzz}" ]; then
    cp "$source_dir/fuzz/seeds/${fuzzer%_fuzz}"/* "$dir/"
  fi
  return 0
}

# The decoder reads reads, not files: only its own seeds (recorded streams) mean
# anything to it, and the test data's larger files would only slow it down.
seed_own() {
  local dir=$1 fuzzer=$2
  cp "$source_dir/fuzz/seeds/${fuzzer%_fuzz}"/* "$dir/"
}

# The replay parser also starts from every scenario's script.
seed_scripts() {
  local dir=$1 script
  for script in "$source_dir"/tests/scenarios/*/script; do
    [ -f "$script" ] && cp "$script" "$dir/scenario-$(basename "$(dirname "$script")")"
  done
  return 0
}

run_one() {
  local fuzzer=$1 dir=$corpus_root/$1
  mkdir -p "$dir"
  case $fuzzer in
    binary_screens_fuzz|bsave_fuzz|pop_fuzz|include_fuzz|text_view_fuzz) seed_named "$dir" ;;
    replay_script_fuzz) seed_raw "$dir" "$fuzzer"; seed_scripts "$dir" ;;
    terminal_input_decoder_fuzz) seed_own "$dir" "$fuzzer" ;;
    *) seed_raw "$dir" "$fuzzer" ;;
  esac
  if ! "$build/fuzz/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=1024 \
      -artifact_prefix="$crashes/$fuzzer-" "$dir" 2> "$build/$fuzzer.log"; then
    echo "$fuzzer: FAILED, see $build/$fuzzer.log"
    tail -n 30 "$build/$fuzzer.log"
    return 1
  fi
  echo "$fuzzer: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$fuzzer.log" |
    grep -o '[0-9]*$') runs in ${seconds}s"
}

fuzzers=()
for exe in "$build"/fuzz/*_fuzz; do
  name=$(basename "$exe")
  [ -x "$exe" ] || continue
  [ -z "${FUZZERS:-}" ] || [[ " $FUZZERS " == *" $name "* ]] || continue
  fuzzers+=("$name")
done
[ ${#fuzzers[@]} -gt 0 ] || { echo "no fuzzers in $build/fuzz"; exit 1; }

failed=0
pids=()
for fuzzer in "${fuzzers[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || failed=1; done
  run_one "$fuzzer" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
