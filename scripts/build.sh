#!/usr/bin/env bash
# Configures (once) and builds the project into build/ (or $QUILLMARK_BUILD_DIR).
# Extra arguments are passed to the first CMake configure, e.g. -DQUILLMARK_SANITIZE=ON.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLMARK_BUILD_DIR:-$root/build}"
jobs="${QUILLMARK_JOBS:-$(nproc)}"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja "$@"
fi
cmake --build "$build" -j "$jobs"
