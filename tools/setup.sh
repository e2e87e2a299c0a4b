#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, only when some are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libpng-dev
  gcc-arm-none-eabi binutils-arm-none-eabi libnewlib-arm-none-eabi
  libmgba-dev libz80ex-dev libspectrum-dev fuse-emulator-utils
  pasmo opense-basic
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
