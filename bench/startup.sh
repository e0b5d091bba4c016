#!/usr/bin/env bash
# Start-up of the game's window, with sound on and off, against a minimal Qt
# window, side by side under Xvfb: time from launch to the first painted window
# and resident memory one second later, median of several runs each. A
# PulseAudio daemon of its own with a null sink stands in for the sound card.
#   bench/startup.sh <build folder with -DROLLWELL_BUILD_BENCH=ON> [runs]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$@"; fi
build=${1:-build-bench}
runs=${2:-9}
cmake --build "$build" --target minimal_window rollwell_window >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 0700 "$XDG_RUNTIME_DIR"
pulse=$(mktemp -d)
HOME=$pulse XDG_CONFIG_HOME=$pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 \
  --use-pid-file=no -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse/native" \
  -L "module-null-sink sink_name=bench" 2>/dev/null &
daemon=$!
trap 'kill $daemon; rm -rf "$pulse"' EXIT
export PULSE_SERVER=unix:$pulse/native
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
measure() {
  local times=() rss=()
  for _ in $(seq "$runs"); do
    out=$("$@" 2>/dev/null)
    times+=("$(awk '/first-paint-ms/ {print $2}' <<<"$out")")
    rss+=("$(awk '/rss-kb/ {print $2}' <<<"$out")")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" 'NR==int((n+1)/2) {printf "%s ", $1}'
  printf '%s\n' "${rss[@]}" | sort -n | awk -v n="$runs" 'NR==int((n+1)/2) {print $1}'
}
read -r mt mr < <(measure "$build/bench/minimal_window")
echo "minimal window:     first paint ${mt} ms, resident ${mr} kB"
for sound in on off; do
  args=()
  [ "$sound" = off ] && args=(--sound-off)
  read -r rt rr < <(measure "$build/bench/rollwell_window" "${args[@]}")
  echo "Rollwell, sound $sound: first paint ${rt} ms, resident ${rr} kB"
  awk -v a="$rt" -v b="$mt" -v c="$rr" -v d="$mr" \
    'BEGIN {printf "  ratio: time %.2fx, memory %.2fx (target at most 1.3x)\n", a/b, c/d}'
done
