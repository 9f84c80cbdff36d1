#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the launch need, when any is missing.
# Sourced by run.sh and test.sh; quick when everything is already there.
set -euo pipefail

QUILLON_PACKAGES=(
  cmake g++ make
  qt6-base-dev libgl-dev    # Qt 6 Widgets; Qt's CMake files require the OpenGL headers
  unrtf                     # the tests read saved reports the way another program would
  xvfb xauth                # a virtual display for checks of the real program
  desktop-file-utils appstream # the tests validate the installed desktop files
  dpkg-dev file             # cpack's Debian package: dependencies from the binary (dpkg-shlibdeps)
)

quillon_missing_packages() {
  local missing=()
  for package in "${QUILLON_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  echo "${missing[@]:-}"
}

quillon_setup() {
  local missing
  missing=$(quillon_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# quillon_build DIR [cmake options...]: configures once, then builds what changed.
quillon_build() {
  local dir=$1
  shift
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  if [ ! -f "$root/$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  else
    cmake -S "$root" -B "$root/$dir" "$@" >/dev/null
  fi
  cmake --build "$root/$dir" -j"$(nproc)" -- --no-print-directory
}
