#!/usr/bin/env bash
# Counts the lines of C++ (.cpp, .h) that are neither blank nor comment-only, in tests/ against
# src/ plus tools/, and prints the ratio the project keeps tests under (about 40 %).
# Usage: scripts/count_lines.sh [--check]   (--check exits 1 when tests exceed 40 % of the code)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | xargs -0 -r cat |
    awk '
      {
        line = $0
        code = 0
        while (length(line) > 0) {
          if (in_block) {
            end = index(line, "*/")
            if (end == 0) { line = ""; break }
            line = substr(line, end + 2)
            in_block = 0
            continue
          }
          sub(/^[ \t\r]+/, "", line)
          if (line == "" || substr(line, 1, 2) == "//") break
          if (substr(line, 1, 2) == "/*") { in_block = 1; line = substr(line, 3); continue }
          code = 1
          break
        }
        if (code) n++
      }
      END { print n + 0 }'
}

cd "$root"
tests=$(count tests)
code=$(count src tools)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.1f", c ? 100 * t / c : 0 }')
echo "tests/: $tests lines; src/ + tools/: $code lines; tests are $ratio % of the code"
if [ "${1:-}" = "--check" ]; then
  awk -v r="$ratio" 'BEGIN { exit !(r <= 40) }' || { echo "tests exceed 40 % of the code" >&2; exit 1; }
fi
