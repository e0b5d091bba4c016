#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing,
# so that a second run starts at once. Flags add the tools of one more job:
#   --look     pictures under Xvfb (scripts/screenshots.sh)
#   --package  the Debian package, its validators and its installed check
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-dejavu-core
  pulseaudio pulseaudio-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  # The screen-reader test: a virtual screen, a session bus and AT-SPI.
  xvfb xauth xdotool dbus at-spi2-core python3-pyatspi
)
for flag in "$@"; do
  case $flag in
    --look) packages+=(imagemagick) ;;
    --package) packages+=(dpkg-dev file lintian desktop-file-utils appstream man-db strace) ;;
    *) echo "deps.sh: unknown flag $flag" >&2 && exit 2 ;;
  esac
done

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
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get install -o DPkg::Lock::Timeout=600 -y -qq --no-install-recommends "${missing[@]}"
