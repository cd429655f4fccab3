#!/usr/bin/env bash
# Crash soak of safe saving: logs contacts into one contest file with quillmark-cli log (each
# call loads, appends and saves, as an automatic save after a contact does) and kills calls
# with SIGKILL at random moments until KILLS calls have been killed while running. After
# every kill the file must load, hold every contact whose call had returned 0, and the
# folder must hold nothing but the log and at most one temporary file of a save.
#
# usage: scripts/crash_soak.sh [KILLS] [QUILLMARK_CLI]   (defaults: 1000, build/bin/quillmark-cli)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kills_wanted="${1:-1000}"
cli="${2:-${QUILLMARK_BUILD_DIR:-$root/build}/bin/quillmark-cli}"
[ -x "$cli" ] || { echo "crash_soak: no quillmark-cli at $cli" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/qm_crash_soak_XXXXXX")"
trap 'rm -rf "$work"' EXIT
folder="$work/contest"
mkdir "$folder"
log="$folder/log.qmk"
acked="$work/acked"
: >"$acked"
# The tool reads the operator's settings; the soak uses the defaults.
export XDG_CONFIG_HOME="$work/config"
"$cli" sample "$log" --contacts 0 >/dev/null

# A sleep without a process: read with a timeout from a pipe that never delivers.
exec {never}<> <(:)
pause() { read -r -t "$1" -u "$never" _ || true; }

fail() {
  echo "crash_soak: FAILED after $kills kills: $*" >&2
  ls -la "$folder" >&2
  exit 1
}

# Unique call signs JA0AAA, JA0AAB, ...: letters only, as the sample's format wants.
letters=ABCDEFGHIJKLMNOPQRSTUVWXYZ
call_of() {
  local n=$1
  echo "JA$((n / 17576 % 10))${letters:n / 676 % 26:1}${letters:n / 26 % 26:1}${letters:n % 26:1}"
}

check() {
  local dump="$work/dump" leftovers
  "$cli" dump "$log" >"$dump" 2>"$work/dump.err" || fail "the log does not load: $(cat "$work/dump.err")"
  grep -o '"JA[0-9][A-Z][A-Z][A-Z]"' "$dump" | tr -d '"' | sort -u >"$work/present"
  sort -u "$acked" >"$work/acked.sorted"
  local missing
  missing="$(comm -23 "$work/acked.sorted" "$work/present" | head -3)"
  [ -z "$missing" ] || fail "saved contacts are missing: $missing"
  leftovers="$(cd "$folder" && ls -A | grep -v -x 'log.qmk' || true)"
  if [ -n "$leftovers" ]; then
    [ "$(echo "$leftovers" | wc -l)" -le 1 ] || fail "more than one leftover: $leftovers"
    [[ "$leftovers" =~ ^\.log\.qmk\.[0-9]+\.[0-9]+\.[0-9a-f]+\.tmp$ ]] || fail "a stranger is left: $leftovers"
    temporaries_seen=$((temporaries_seen + 1))
  fi
}

kills=0
calls=0
saved=0
temporaries_seen=0
started=$SECONDS
while [ "$kills" -lt "$kills_wanted" ]; do
  call="$(call_of "$calls")"
  calls=$((calls + 1))
  "$cli" log "$log" "$call" 599/13 >/dev/null 2>"$work/log.err" &
  pid=$!
  # Somewhere in the call's life: starting, reading, writing, swapping, flushing.
  pause "0.0$(printf '%02d' $((RANDOM % 25)))"
  kill -KILL "$pid" 2>/dev/null || true
  status=0
  { wait "$pid"; } 2>/dev/null || status=$?
  case "$status" in
    0)
      echo "$call" >>"$acked"
      saved=$((saved + 1))
      ;;
    137)
      kills=$((kills + 1))
      check
      ;;
    *) fail "quillmark-cli log exited $status: $(cat "$work/log.err")" ;;
  esac
done
check
echo "crash_soak: $kills kills, $calls calls, $saved contacts saved and all present," \
  "0 unreadable files, $temporaries_seen times one temporary file left, $((SECONDS - started)) s"
