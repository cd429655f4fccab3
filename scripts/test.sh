#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
# With --sanitize the suite is built and run under AddressSanitizer and UBSan in build-asan/.
# With --coverage it is built with gcov instrumentation in build-cov/ and gcovr then reports the
# line coverage of src/ and tools/ (the summary on the terminal, the details in build-cov/coverage/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-}"
"$root/scripts/setup.sh" "$mode"

case "$mode" in
  --sanitize)
    export QUILLMARK_BUILD_DIR="${QUILLMARK_BUILD_DIR:-$root/build-asan}"
    "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_SANITIZE=ON -DQUILLMARK_BENCHMARKS=OFF
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    ;;
  --coverage)
    export QUILLMARK_BUILD_DIR="${QUILLMARK_BUILD_DIR:-$root/build-cov}"
    "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
      -DCMAKE_EXE_LINKER_FLAGS=--coverage -DQUILLMARK_BENCHMARKS=OFF
    # Counts from an earlier run would add to this one's.
    find "$QUILLMARK_BUILD_DIR" -name '*.gcda' -delete
    ;;
  "")
    "$root/scripts/build.sh"
    ;;
  *)
    echo "usage: $0 [--sanitize | --coverage]" >&2
    exit 2
    ;;
esac
build="${QUILLMARK_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
jobs="${QUILLMARK_JOBS:-$(nproc)}"
if [ "$mode" = "--coverage" ]; then
  # The crash soak kills the command-line tool at random moments, which can leave its counts
  # half written for the tool's other tests: it runs after them.
  ctest --test-dir "$build" --output-on-failure -j "$jobs" -E CrashSoak
  ctest --test-dir "$build" --output-on-failure -R CrashSoak
else
  ctest --test-dir "$build" --output-on-failure -j "$jobs"
fi

if [ "$mode" = "--coverage" ]; then
  mkdir -p "$build/coverage"
  # Only the project's own objects: CMake's compiler check leaves a .gcno without a source.
  gcovr --root "$root" --object-directory "$build" --filter "$root/src/" --filter "$root/tools/" \
    --exclude-unreachable-branches --print-summary \
    --html-details "$build/coverage/index.html" --txt "$build/coverage/summary.txt" \
    "$build/src" "$build/tools" "$build/tests"
fi
