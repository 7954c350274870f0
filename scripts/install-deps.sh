#!/usr/bin/env bash
# Installs the Debian packages the launcher needs to build, run and test.
# Does nothing for packages that are already there.
set -euo pipefail
pkgs=(cmake g++ make ninja-build qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
      libbenchmark-dev zip unzip xvfb xauth fonts-liberation fonts-dejavu-core
      libgl1-mesa-dev libfontconfig-dev clang-format clang libclang-rt-14-dev)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    SUDO=""
    [[ $(id -u) -ne 0 ]] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
