#!/usr/bin/env bash
# Installs what building, running and testing Veltrano needs on Debian 12; skips what is there.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libgtest-dev libgmock-dev
          libbenchmark-dev clang libclang-rt-14-dev xvfb xauth x11-utils imagemagick fonts-dejavu-core
          qt6-translations-l10n fonts-liberation poppler-utils ccache dpkg-dev desktop-file-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
