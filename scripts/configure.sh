#!/usr/bin/env bash
# Installs what is missing and configures a build folder once:
#   scripts/configure.sh <folder> <cmake options...>
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
folder=$1
shift
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f "$folder/CMakeCache.txt" ] || cmake -S . -B "$folder" "${generator[@]}" "$@"
