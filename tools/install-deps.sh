#!/bin/bash
# Installs the Debian packages that building, running and testing Varnello
# need, skipping those already present. Run as root.
set -eu
packages=(
  git cmake make g++ googletest
  clang-14 libclang-rt-14-dev clang-format-14
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xauth x11-utils imagemagick xdotool procps
  libjpeg-turbo-progs python3
  fp-utils libchm-bin
  nsis unzip
  locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
