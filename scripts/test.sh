#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs the whole test suite;
# then again in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quillon_setup

export QT_QPA_PLATFORM=offscreen
quillon_build build -DQUILLON_WARNINGS_AS_ERRORS=ON
(cd build && ctest --output-on-failure -LE long -j2)

if [ "${QUILLON_SKIP_SANITIZERS:-0}" != 1 ]; then
  quillon_build build-sanitize -DQUILLON_SANITIZE=ON -DQUILLON_WARNINGS_AS_ERRORS=ON -DQUILLON_BUILD_BENCH=OFF
  # Leak checking is on: a leak anywhere, in our code or in a library under it, fails the run.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-sanitize && ctest --output-on-failure -LE long -j2)
fi
