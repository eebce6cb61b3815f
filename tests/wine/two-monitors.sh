#!/usr/bin/env bash
# Runs one Windows test program on a desktop of two monitors: an X server of
# its own (Xorg with the dummy driver) with a 1024x768 primary and a 1280x720
# television to its right, and a Wine prefix of its own without a virtual
# desktop (inside one, Wine reports a single monitor the size of the desktop).
# The program may rearrange the monitors with xrandr (DISPLAY is exported).
#
#   two-monitors.sh BUILD_DIR PROGRAM.exe [arguments...]
#
# Exits with the program's exit code; 1 when the desktop cannot be made.
set -uo pipefail

buildDir=$(cd "${1:?usage: two-monitors.sh BUILD_DIR PROGRAM [arguments]}" && pwd) || exit 1
program=${2:?usage: two-monitors.sh BUILD_DIR PROGRAM [arguments]}
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
log() { printf 'two-monitors: %s\n' "$*" >&2; }

xorgPid=
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    if [ -n "$xorgPid" ]; then
        kill "$xorgPid" 2>/dev/null
        wait "$xorgPid" 2>/dev/null
    fi
}
trap cleanup EXIT

command -v Xorg >/dev/null && command -v xrandr >/dev/null ||
    { log "Xorg or xrandr missing: run scripts/setup-debian.sh"; exit 1; }

numberFile=$(mktemp) || exit 1
Xorg -displayfd 9 -config "$here/xorg-two-monitors.conf" -noreset -nolisten tcp \
    -logfile "$buildDir/xorg-two-monitors.log" 9>"$numberFile" >/dev/null 2>&1 &
xorgPid=$!
for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    kill -0 "$xorgPid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$numberFile" ] || { log "Xorg did not start (see $buildDir/xorg-two-monitors.log)"; exit 1; }
export DISPLAY=":$(head -n 1 "$numberFile")"
rm -f "$numberFile"

# The television's mode, then the layout the tests start from.
xrandr --newmode 1280x720_60 74.50 1280 1344 1472 1664 720 723 728 748 -hsync +vsync &&
    xrandr --addmode DUMMY1 1280x720_60 &&
    xrandr --output DUMMY0 --mode 1024x768 --primary \
        --output DUMMY1 --mode 1280x720_60 --right-of DUMMY0 ||
    { log "xrandr could not make the second monitor"; exit 1; }

# A desktop colour of its own: black on a display is then blanking's doing.
xsetroot -solid '#3a6ea5' 2>/dev/null

# Wine reads the monitors when the prefix starts: wait until X has both.
for _ in $(seq 50); do
    [ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] && break
    sleep 0.1
done
export WINEPREFIX="$buildDir/wine-prefix-two-monitors"
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || { log "wineboot -i failed"; exit 1; }
# No window manager runs on this X server: Wine manages its windows itself,
# or each hidden or closed window waits for a window manager that never answers.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
marlett=/usr/share/wine/fonts/marlett.ttf
[ -e "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
# The settings take effect, and the prefix's first-start work is done, before
# the tests time anything.
wineserver -k
wineserver -w

(cd "$(dirname "$program")" && wine "./$(basename "$program")" "$@")
