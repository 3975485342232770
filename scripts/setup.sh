#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev libgl-dev libjpeg-dev libgtest-dev googletest
          libbenchmark-dev fonts-liberation xdg-utils xvfb xauth desktop-file-utils poppler-utils
          clang libclang-rt-14-dev qt6-l10n-tools)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" "$@"
