#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tools and its tests need.
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang
  libglfw3-dev libglew-dev libgl1-mesa-dev libgl1-mesa-dri
  libpng-dev libjpeg-dev zlib1g-dev libtinyxml2-dev libtinyobjloader-dev libglm-dev
  libsdl2-dev libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils lame
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
