# Wine environment for the Windows test tree. Source it, do not run it:
#
#   source tests/wine/wine-env.sh BUILD_DIR     # set up now
#   ctest --test-dir BUILD_DIR -L wine           # any wine program runs here
#   kiv_wine_cleanup                             # stop wineserver and our Xvfb
#
# Set-up makes a fresh prefix BUILD_DIR/wine-prefix (never ~/.wine), silences
# Wine's debug output, starts Xvfb 1024x768 on a free display when DISPLAY is
# unset, makes the shell virtual desktop 1024x768 the prefix's default (a
# taskbar, focus and a tray, and exit codes still reach ctest), and adds a
# stand-in DVD drives R: (CD-ROM, label KIVTESTDVD, serial 1234ABCD) and T:
# (label MY_DVD_TITLE, serial 5EED).
# The exported KIV_DVD_* variables tell the tests about that drive, and
# KIV_WINE32 whether this Wine runs 32-bit programs (1) or not (0: wine32 is
# not installed, or the kernel runs no 32-bit binaries).

kiv_wine_log() { printf 'wine-env: %s\n' "$*" >&2; }

# Starts Xvfb on the first free display; Xvfb picks it and reports it.
kiv_wine_start_xvfb() {
    local numberFile
    numberFile=$(mktemp) || return 1
    Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$numberFile" >/dev/null 2>&1 &
    KIV_XVFB_PID=$!
    local tries=0
    while [ ! -s "$numberFile" ]; do
        if ! kill -0 "$KIV_XVFB_PID" 2>/dev/null || [ "$tries" -ge 100 ]; then
            kiv_wine_log "Xvfb did not start"
            rm -f "$numberFile"
            KIV_XVFB_PID=
            return 1
        fi
        sleep 0.1
        tries=$((tries + 1))
    done
    export DISPLAY=":$(head -n 1 "$numberFile")"
    export KIV_XVFB_PID
    rm -f "$numberFile"
    kiv_wine_log "Xvfb pid $KIV_XVFB_PID on $DISPLAY"
}

# The 64-bit loader where 32-bit Wine sits beside it: plain `wine reg` may then
# run the 32-bit reg, whose HKLM\Software writes land under Wow6432Node.
kiv_wine64() {
    if [ -x /usr/lib/wine/wine64 ]; then
        echo /usr/lib/wine/wine64
    else
        echo wine
    fi
}

# A CD-ROM drive LETTER holding a disc with this label and hexadecimal serial.
kiv_wine_add_dvd() {
    local buildDir=$1 letter=$2 label=$3 serial=$4
    local disc="$buildDir/wine-dvd-$letter"
    mkdir -p "$disc"
    printf '%s' "$label" >"$disc/.windows-label"
    printf '%s' "$serial" >"$disc/.windows-serial"
    ln -sfn "$disc" "$WINEPREFIX/dosdevices/$letter:"
    "$(kiv_wine64)" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f >/dev/null 2>&1 ||
        { kiv_wine_log "DVD drive $letter: settings failed"; return 1; }
}

kiv_wine_setup() {
    local buildDir=${1:?usage: kiv_wine_setup BUILD_DIR}
    buildDir=$(cd "$buildDir" && pwd) || return 1
    local started=$EPOCHREALTIME

    export WINEPREFIX="$buildDir/wine-prefix"
    export WINEDEBUG=-all
    export WINEARCH=win64
    # No Mono or Gecko installer prompts: nothing here needs them.
    export WINEDLLOVERRIDES="mscoree,mshtml="

    if [ -z "${DISPLAY:-}" ]; then
        kiv_wine_start_xvfb || return 1
    fi

    if [ -e "$WINEPREFIX" ]; then
        WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null
        rm -rf "$WINEPREFIX"
    fi
    wineboot -i >/dev/null 2>&1 || { kiv_wine_log "wineboot -i failed"; return 1; }

    # Wine draws caption buttons, check marks and arrows with its Marlett
    # font (package fonts-wine); a prefix sees it only in its Fonts folder.
    local marlett=/usr/share/wine/fonts/marlett.ttf
    if [ -e "$marlett" ]; then
        cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" ||
            { kiv_wine_log "could not add the Marlett font"; return 1; }
    else
        kiv_wine_log "no $marlett: install fonts-wine, or caption buttons show as letters"
    fi

    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1 &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f \
            >/dev/null 2>&1 || { kiv_wine_log "desktop settings failed"; return 1; }

    # Wine reads a drive's label and serial when it creates the drive, so they
    # are written before the server restarts. R: is the first CD-ROM drive.
    kiv_wine_add_dvd "$buildDir" r KIVTESTDVD 1234abcd &&
        kiv_wine_add_dvd "$buildDir" t MY_DVD_TITLE 5eed || return 1
    export KIV_DVD_DRIVE='R:' KIV_DVD_LABEL='KIVTESTDVD' KIV_DVD_SERIAL='1234ABCD'

    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        export KIV_WINE32=1
    else
        export KIV_WINE32=0
        kiv_wine_log "no 32-bit Wine here: tests of 32-bit players are skipped"
    fi

    wineserver -k
    wineserver -w

    local seconds
    seconds=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
    kiv_wine_log "prefix $WINEPREFIX ready in ${seconds} s"
}

kiv_wine_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null
    fi
    if [ -n "${KIV_XVFB_PID:-}" ]; then
        kill "$KIV_XVFB_PID" 2>/dev/null
        wait "$KIV_XVFB_PID" 2>/dev/null
        unset KIV_XVFB_PID DISPLAY
    fi
}

if [ "$#" -ge 1 ]; then
    kiv_wine_setup "$1"
fi
