#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running qz need, when missing.
set -euo pipefail
packages=(g++ clang clang-format-14 clang-tidy-14 libclang-rt-dev cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev libcurl4-openssl-dev qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6 python3 python3-aiosmtpd python3-dbfread openssl desktop-file-utils appstream dpkg-dev hamradio-files)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
