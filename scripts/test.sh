#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, in stages:
#   - lupdate over the sources: every text has its German and French translation;
#   - the session tests, which exercise the operation threads, under ThreadSanitizer;
#   - the whole suite under AddressSanitizer + UndefinedBehaviorSanitizer;
#   - a short run of each fuzz target (when clang is installed; ULVO_FUZZ_SECONDS, default 20);
#   - the whole suite in the normal build, last, so that its summary closes the output.
# Every stage runs even when an earlier one failed; the script fails if any did.
# Extra arguments go to the last stage's ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
failed=()
# Runs one stage with errexit in force inside it, times it and remembers a failure.
stage() {
  local name=$1 start=$SECONDS status=0
  shift
  echo "== $name"
  # Not "|| status=$?": errexit is ignored in every command that is part of a condition.
  set +e
  (set -e; "$@")
  status=$?
  set -e
  echo "== $name: $([[ $status -eq 0 ]] && echo passed || echo FAILED) in $((SECONDS - start)) s"
  [[ $status -eq 0 ]] || failed+=("$name")
}

tsan_tests() {
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULVO_TSAN=ON >/dev/null
  # Every test labelled session, each named as its executable, so a new one is never left out.
  local targets
  mapfile -t targets < <(cd build-tsan && ctest -N -L session | sed -n 's/^ *Test *#[0-9]*: *//p')
  [[ ${#targets[@]} -gt 0 ]]
  cmake --build build-tsan -j"$jobs" --target "${targets[@]}"
  cd build-tsan && ctest --output-on-failure -j"$jobs" -L session
}

# Only the test executables (label asan) are built and run here: the application, tools and
# benchmarks are built once, in the last stage.
asan_tests() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULVO_ASAN=ON >/dev/null
  cmake --build build-asan -j"$jobs" --target ulvo_tests
  cd build-asan && ctest --output-on-failure -j"$jobs" -L asan
}

fuzz_smoke() {
  if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: no fuzzing"
    return 0
  fi
  scripts/fuzz.sh -t "${ULVO_FUZZ_SECONDS:-20}"
}

all_tests() {
  scripts/build.sh
  cd build && ctest --output-on-failure -j"$jobs" "$@"
}

stage "Translations up to date and complete" scripts/translations.sh check
stage "Session tests under ThreadSanitizer" tsan_tests
stage "All tests under AddressSanitizer and UndefinedBehaviorSanitizer" asan_tests
stage "Fuzz targets, short run" fuzz_smoke
stage "All tests" all_tests "$@"

if [[ ${#failed[@]} -gt 0 ]]; then
  printf 'Failed: %s\n' "${failed[@]}"
  exit 1
fi
