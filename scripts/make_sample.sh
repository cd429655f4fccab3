#!/usr/bin/env bash
# Writes the sample contest data/samples/sample_contest.qmk with the project's own code
# (quillmark-cli sample: a domestic 24-hour contest over six bands, about 600 contacts).
# The same seed always gives the same file; the file is committed, so this is only needed
# after the sample's shape changed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" >/dev/null
"${QUILLMARK_BUILD_DIR:-$root/build}/bin/quillmark-cli" sample "$root/data/samples/sample_contest.qmk" "$@"
