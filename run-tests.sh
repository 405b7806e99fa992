#!/usr/bin/env bash
# Builds Tessella and runs the whole test suite:
#   1. every test (unit, scenario folders, the pseudo-terminal test) in one build under
#      AddressSanitizer and UndefinedBehaviorSanitizer, with warnings as errors;
#   2. every file reader's fuzzer for TESSELLA_FUZZ_SECONDS seconds each (default 60;
#      0 skips them), when clang is there to build them;
#   3. the program and the benchmarks in an optimised build, warnings as errors.
# Prints how long each stage took.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${TESSELLA_FUZZ_SECONDS:-60}
times=()

stage() {  # stage NAME COMMAND...: runs the command and notes its time
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  times+=("$(printf '%-34s %4ds' "$name" $((SECONDS - start)))")
}

# clang builds the fuzzers (libFuzzer) in the same instrumented build as the tests.
fuzz=OFF
compilers=()
if command -v clang++ >/dev/null 2>&1 && [ "$fuzz_seconds" != 0 ]; then
  fuzz=ON
  compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
fi

stage "configure, sanitized" cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  "${compilers[@]}" -DTESSELLA_SANITIZE=ON -DTESSELLA_WERROR=ON -DTESSELLA_FUZZ=$fuzz >/dev/null
stage "build, sanitized" cmake --build build-test -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
stage "tests" ctest --test-dir build-test --output-on-failure -j "$jobs"
if [ "$fuzz" = ON ]; then
  # Two fuzzers a core: each still runs its full time, and the stage takes a third of
  # the time one at a time would.
  stage "fuzzers, ${fuzz_seconds}s each" fuzz/run-fuzzers.sh build-test "$fuzz_seconds" $((2 * jobs))
fi
stage "configure, optimised" cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSELLA_TESTS=OFF -DTESSELLA_BENCH=ON -DTESSELLA_WERROR=ON >/dev/null
stage "build, optimised + benchmarks" cmake --build build-release -j "$jobs"

echo "== stage times"
printf '%s\n' "${times[@]}"
