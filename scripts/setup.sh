#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
# With --coverage it also installs gcovr, which scripts/test.sh --coverage uses; with
# --screenshot what scripts/screenshot.sh needs (a virtual X server, xdotool, xwd, netpbm).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libx11-dev
  libhamlib-dev libhamlib-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk poppler-utils desktop-file-utils
)
case "${1:-}" in
  --coverage) packages+=(gcovr) ;;
  --screenshot) packages+=(xvfb xdotool x11-apps x11-utils netpbm) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
