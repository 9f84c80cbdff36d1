#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillon.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quillon_setup
quillon_build build >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Quillon is built (build/src/quillon) but there is no display to show it on: set DISPLAY, or run it under xvfb-run." >&2
  exit 1
fi
exec build/src/quillon
