#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. The session tests, which
# exercise the operation threads, also run in a ThreadSanitizer build (first, so that the full
# suite's summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== Session tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULVO_TSAN=ON >/dev/null
cmake --build build-tsan -j"$(nproc)" --target tst_session_logic tst_session_tracking tst_session_operations
(cd build-tsan && ctest --output-on-failure -j"$(nproc)" -L session)

echo "== All tests"
scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
