#!/usr/bin/env bash
# Starts the game under a virtual screen with its own session bus and the
# desktop's accessibility bus, and reads its main window as a screen reader
# does (scripts/atspi_check.py). Usage: scripts/atspi-check.sh path/to/rollwell
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/Rollwell"
# No welcome window, no sounds, no questions: the main window at once.
printf '[General]\nNumberOfDice=5\nShowDialog=False\nShowSplash=False\nSoundEnabled=False\nConfirmOnExit=False\nSoundOnExit=False\n' \
  >"$home/.config/Rollwell/Rollwell2.conf"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export QT_QPA_PLATFORM=xcb # the bridge to the accessibility bus lives in the X11 platform
exec dbus-run-session -- xvfb-run -a bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  sleep 1
  "$0" &
  game=$!
  sleep 3
  xdotool key Return   # a first roll: dice, offered cells and hints
  sleep 2
  status=0
  /usr/bin/python3 "$1" || status=$?
  kill $game $bus 2>/dev/null || true
  exit $status
' "$game" "$here/atspi_check.py"
