#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the fuzzers, the
# packaging and the game use, only when one is missing. With --list it only
# prints them, one a line (scripts/check-deps.sh reads them so).
set -euo pipefail
packages=(cmake g++ make pkg-config
          qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev
          qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev xvfb xauth
          dpkg-dev file desktop-file-utils appstream)
if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
