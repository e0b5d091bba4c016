#!/usr/bin/env bash
# Builds Rollwell (Release) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/configure.sh build-release -DCMAKE_BUILD_TYPE=Release -DROLLWELL_BUILD_TESTS=OFF
cmake --build build-release --target rollwell
exec build-release/src/rollwell "$@"
