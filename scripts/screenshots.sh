#!/usr/bin/env bash
# Retakes every picture in docs/screenshots from the Windows build: kiv.exe
# from a fresh folder beside the stand-in player, under Wine on a virtual X
# display holding the 1024 x 768 shell desktop, driven by the screenshot
# driver (tools/screenshots). The main window's pictures are taken again at
# 144 and 192 DPI, set in the Wine prefix. Not part of the test command.
#
#   KIV_BUILD_DIR   build trees (default: ./build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KIV_BUILD_DIR:-$root/build}
windows="$build/windows"
work="$build/screenshots"
pictures="$root/docs/screenshots"
started=$SECONDS

bash "$root/scripts/setup-debian.sh" >&2
cmake -S "$root" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$windows" -j2 --target kiv KIVKbd KIVUtil kiv_player screenshots >/dev/null

rm -rf "$work"
mkdir -p "$work/bmp"
# Always the virtual display: the pictures show its 1024 x 768 desktop.
unset DISPLAY
# shellcheck source=../tests/wine/wine-env.sh
source "$root/tests/wine/wine-env.sh"
kiv_wine_setup "$work"
# The server may have ended on its own by then (the last scene runs on a desktop of its own).
trap 'kiv_wine_cleanup || true' EXIT

# Wine reads the stand-in drives' labels and its DPI when its server starts.
restart_wine() {
  wineserver -k
  wineserver -w
}
# R: holds the disc "Heat" of the pictures' play list.
printf HEAT >"$work/wine-dvd-r/.windows-label"
printf 5f3a21c0 >"$work/wine-dvd-r/.windows-serial"
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    { echo "Could not set $1 DPI." >&2; exit 1; }
  restart_wine
}

out=$(winepath -w "$work/bmp")
shoot() {
  if ! wine "$windows/bin/screenshots.exe" "$1" "$out" "${@:2}"; then
    convert "$work/bmp/failed.bmp" "$work/failed.png" 2>/dev/null || true
    echo "The screenshot driver failed in its scene '$1' (see above); the screen: $work/failed.png" >&2
    exit 1
  fi
}
restart_wine
shoot main
shoot adding
shoot desktop
set_dpi 144
shoot main -144dpi window-position options-playlist play-list
set_dpi 192
shoot main -192dpi window-position

# A desk monitor and a television: an X server and a prefix of their own.
bash "$root/tests/wine/two-monitors.sh" "$work" "$windows/bin/screenshots.exe" two-displays "$out" ||
  { echo "The two-display scene failed (see above)." >&2; exit 1; }

for bmp in "$work"/bmp/*.bmp; do
  # No time stamps: a picture that did not change stays the same file.
  convert "$bmp" -strip -define png:exclude-chunks=date,time "$pictures/$(basename "$bmp" .bmp).png"
done
echo "$(find "$work/bmp" -name '*.bmp' | wc -l) pictures in $pictures, in $((SECONDS - started)) s."
