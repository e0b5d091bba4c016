#!/usr/bin/env bash
# Start-up of the game's window against a minimal Qt window, side by side
# under Xvfb: time from launch to the first painted window and resident memory
# one second later, median of several runs each.
#   bench/startup.sh <build folder with -DROLLWELL_BUILD_BENCH=ON> [runs]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a "$0" "$@"; fi
build=${1:-build-bench}
runs=${2:-9}
cmake --build "$build" --target minimal_window rollwell_window >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 0700 "$XDG_RUNTIME_DIR"
measure() {
  local program=$1 times=() rss=()
  for _ in $(seq "$runs"); do
    out=$("$program" 2>/dev/null)
    times+=("$(awk '/first-paint-ms/ {print $2}' <<<"$out")")
    rss+=("$(awk '/rss-kb/ {print $2}' <<<"$out")")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v n="$runs" 'NR==int((n+1)/2) {printf "%s ", $1}'
  printf '%s\n' "${rss[@]}" | sort -n | awk -v n="$runs" 'NR==int((n+1)/2) {print $1}'
}
read -r mt mr < <(measure "$build/bench/minimal_window")
read -r rt rr < <(measure "$build/bench/rollwell_window")
echo "minimal window: first paint ${mt} ms, resident ${mr} kB"
echo "Rollwell:       first paint ${rt} ms, resident ${rr} kB"
awk -v a="$rt" -v b="$mt" -v c="$rr" -v d="$mr" \
  'BEGIN {printf "ratio: time %.2fx, memory %.2fx (target at most 1.3x)\n", a/b, c/d}'
