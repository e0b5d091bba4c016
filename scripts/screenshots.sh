#!/usr/bin/env bash
# Takes the README's pictures under Xvfb into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --look
scripts/configure.sh build-bench -DCMAKE_BUILD_TYPE=Release -DROLLWELL_BUILD_BENCH=ON
cmake --build build-bench --target screenshots
mkdir -p docs
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 0700 "$XDG_RUNTIME_DIR"
xvfb-run -a build-bench/bench/screenshots docs
