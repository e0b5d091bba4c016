#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/configure.sh build-test -DCMAKE_BUILD_TYPE=Debug -DROLLWELL_SANITIZE=ON \
  -DROLLWELL_BUILD_TESTS=ON
cmake --build build-test

runtime=$(mktemp -d)
chmod 0700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cd build-test
ctest --output-on-failure -j2
