#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing,
# so that a second run starts at once.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  # The screen-reader test: a virtual screen, a session bus and AT-SPI.
  xvfb xauth xdotool dbus at-spi2-core python3-pyatspi
)
if [ "${1:-}" = "--look" ]; then
  packages+=(imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
