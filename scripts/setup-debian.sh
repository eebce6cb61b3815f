#!/usr/bin/env bash
# Installs everything KIV needs to build and test on Debian 12: the native and
# MinGW-w64 compilers, CMake and Ninja, GoogleTest, clang for the fuzzers,
# Wine with its own fonts (fonts-wine: caption buttons are drawn with its
# Marlett font) and a virtual X display. Installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  googletest libgtest-dev
  g++-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
