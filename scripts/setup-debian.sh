#!/usr/bin/env bash
# Installs everything KIV needs to build and test on Debian 12: the native and
# MinGW-w64 compilers, CMake and Ninja, GoogleTest, clang for the fuzzers and
# clang-tidy for the static analysis, Wine with its own fonts (fonts-wine:
# caption buttons are drawn with its Marlett font) and a virtual X display,
# and for 32-bit players the i686 MinGW-w64 compiler and 32-bit Wine. Installs
# only what is missing.
#
# 32-bit Wine (wine32:i386) is installed only where the kernel runs 32-bit
# binaries: elsewhere its loader cannot start, and with it installed the
# `wine` command would pick that loader and run nothing at all. Wine prefixes
# made before wine32 arrived must be made anew (tests/wine/wine-env.sh makes
# a fresh one on every run).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy clang-tidy-14
  googletest libgtest-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
  # A desktop of two monitors for the tests of a television beside the desk one.
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
)

# A 93-byte 32-bit Linux program that only exits with 0.
runs_32_bit_binaries() {
  local probe
  probe=$(mktemp) || return 1
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return "$status"
}

wine32=false
if [ "$(dpkg --print-architecture)" = amd64 ] && runs_32_bit_binaries; then
  wine32=true
  packages+=(wine32:i386)
else
  echo "This kernel runs no 32-bit binaries: 32-bit Wine left out, tests of 32-bit players skip."
fi

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
if $wine32 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
