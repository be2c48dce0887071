#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when any is missing.
set -euo pipefail

packages=(g++ clang libclang-rt-14-dev cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libicu-dev libncurses-dev libpugixml-dev tmux clang-format git
          libsdl2-dev libsdl2-ttf-dev fonts-dejavu-core xvfb xdotool xauth libx11-dev libpng-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
