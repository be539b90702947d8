#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, when missing.
set -euo pipefail

packages=(
    build-essential cmake
    libgtest-dev libbenchmark-dev
    qt6-base-dev libqt6gui6 libx11-dev
    fontconfig fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
