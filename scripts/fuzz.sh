#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into ./build-fuzz and runs each of them.
#   scripts/fuzz.sh [-t seconds | -r runs] [target...]
# Default: every target for 10 minutes. The test command uses -t for a short smoke run.
# Inputs found along the way collect in build-fuzz/corpus/<target>; the committed seeds in
# fuzz/corpus/<target> are only read. A finding is written to build-fuzz/findings/ and the
# script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time=600)
while getopts "t:r:" option; do
  case $option in
    t) limit=(-max_total_time="$OPTARG") ;;
    r) limit=(-runs="$OPTARG") ;;
    *) echo "usage: $0 [-t seconds | -r runs] [target...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DULVO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for program in build-fuzz/fuzz/fuzz_*; do
    [[ -f $program && -x $program ]] && targets+=("${program##*/fuzz_}")
  done
fi

mkdir -p build-fuzz/findings build-fuzz/logs
failed=()
for target in "${targets[@]}"; do
  echo "== fuzz_$target ${limit[*]}"
  corpus=("build-fuzz/corpus/$target")
  [[ -d fuzz/corpus/$target ]] && corpus+=("fuzz/corpus/$target")
  mkdir -p "${corpus[0]}"
  log=build-fuzz/logs/$target.log
  # -print_final_stats gives the execution count and rate; the full output stays in the log.
  if UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     "build-fuzz/fuzz/fuzz_$target" "${limit[@]}" -print_final_stats=1 \
     -artifact_prefix="build-fuzz/findings/$target-" "${corpus[@]}" >"$log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$log" || true
  else
    grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' "$log" | tail -n 60 || true
    failed+=("$target")
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Findings (inputs in build-fuzz/findings/, output in build-fuzz/logs/): ${failed[*]}"
  exit 1
fi
