#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
# With --sanitize the suite is built and run under AddressSanitizer and UBSan in build-asan/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

if [ "${1:-}" = "--sanitize" ]; then
  export QUILLMARK_BUILD_DIR="${QUILLMARK_BUILD_DIR:-$root/build-asan}"
  "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_SANITIZE=ON -DQUILLMARK_BENCHMARKS=OFF
  export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
else
  "$root/scripts/build.sh"
fi
build="${QUILLMARK_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "${QUILLMARK_JOBS:-$(nproc)}"
