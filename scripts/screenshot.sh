#!/usr/bin/env bash
# Starts the program under a virtual X display, optionally sends keys, and saves a screenshot.
#
#   scripts/screenshot.sh OUT.png [--keys "KEY ..."] [--type TEXT] [--wait SECONDS]
#                         [--size WxH] [--settings FILE.ini] [--] [PROGRAM ARGUMENTS...]
#
# --keys is a list of xdotool key names sent one by one ("F5", "ctrl+s", "Return"); --type
# types a text; both may be given several times and run in order. The program runs with a
# settings file of its own (a copy of --settings, else one that switches the title logo off),
# so the user's settings are never touched. Needs xvfb, xdotool, x11-apps and netpbm
# (scripts/setup.sh --screenshot installs them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --screenshot
build="${QUILLMARK_BUILD_DIR:-$root/build}"

out="${1:?usage: screenshot.sh OUT.png [options] [-- args]}"
shift
actions=()
wait_after=1
size="1024x720"
settings=""
while [ $# -gt 0 ]; do
  case "$1" in
    --keys) actions+=("keys:$2"); shift 2 ;;
    --type) actions+=("type:$2"); shift 2 ;;
    --wait) actions+=("wait:$2"); shift 2 ;;
    --size) size="$2"; shift 2 ;;
    --settings) settings="$2"; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done

home="$(mktemp -d)"
trap 'kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/config/Halvard_Systems"
if [ -n "$settings" ]; then
  cp "$settings" "$home/config/Halvard_Systems/Quillmark.ini"
else
  printf '[TitleLogoDisplay]\nIsDisplayingTitleLogoEnabled=0\n' \
    > "$home/config/Halvard_Systems/Quillmark.ini"
fi

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
xvfb_pid=$!
for _ in $(seq 50); do
  DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

export DISPLAY="$display" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
export QT_QPA_PLATFORM=xcb LANG="${LANG:-C.UTF-8}"
"$build/bin/quillmark" "$@" &
app_pid=$!
window="$(xdotool search --sync --onlyvisible --name 'クイルマーク' | head -1)"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 1

# There is no window manager to give the focus back when a dialog closes: before each key the
# topmost visible window of the program gets it, as a desktop would do.
focus_top() {
  local id
  for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "[^"]*": ("quillmark".*/\1/p'); do
    if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
      xdotool windowfocus --sync "$id" 2>/dev/null || true
      return
    fi
  done
}

for action in "${actions[@]}"; do
  kind="${action%%:*}"
  value="${action#*:}"
  case "$kind" in
    keys) for key in $value; do focus_top; xdotool key --clearmodifiers "$key"; sleep 0.3; done ;;
    type) focus_top; xdotool type --delay 60 "$value"; sleep 0.3 ;;
    wait) sleep "$value" ;;
  esac
done
sleep "$wait_after"
# The root window alone may not show the windows opened after the first one; each visible
# window is therefore grabbed by itself and laid over the root, bottom to top (the list
# names the topmost first).
shot="$home/shot.ppm"
xwd -root -silent | xwdtopnm > "$shot" 2>/dev/null
for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' | tac); do
  info="$(xwininfo -id "$id")"
  grep -q 'Map State: IsViewable' <<<"$info" || continue
  x="$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")"
  y="$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
  w="$(sed -n 's/.*Width: *//p' <<<"$info")"
  [ "${w:-0}" -gt 4 ] || continue
  xwd -id "$id" -silent 2>/dev/null | xwdtopnm > "$home/window.ppm" 2>/dev/null || continue
  pnmpaste "$home/window.ppm" "$x" "$y" "$shot" > "$home/next.ppm" 2>/dev/null &&
    mv "$home/next.ppm" "$shot"
done
pnmtopng "$shot" > "$out"
echo "saved $out"
