# Sourced by the Wine scripts: the project-local Wine prefix, created on first use.
# VANTREL_WINEPREFIX may point elsewhere; by default the prefix lives in build/wineprefix.
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
export WINEPREFIX="${VANTREL_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

vantrel_make_prefix() {
    [ -f "$WINEPREFIX/.vantrel-ready-4" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.vantrel-ready-4" ] && exit 0
        echo "Creating the Wine prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot -i >/dev/null 2>&1 || true
        "$WINESERVER" -w
        fonts="$WINEPREFIX/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        for f in tahoma.ttf tahomabd.ttf ms_sans_serif.ttf marlett.ttf; do
            cp "/usr/share/wine/fonts/$f" "$fonts/"
        done
        # The skinned title bar's system menu has Chinese captions: Tahoma has no ideographs, so text in it falls
        # back to a CJK font, as on a Windows system with East Asian support.
        cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
        "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
            /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1
        key='HKCU\Software\Wine\Fonts\Replacements'
        "$WINE64" reg add "$key" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
        "$WINE64" reg add "$key" /v "MS Sans Serif" /d "Tahoma" /f >/dev/null 2>&1
        # No window manager runs under Xvfb: Wine draws the window frames itself, and hiding a window does not
        # wait two seconds for a window manager to acknowledge it.
        "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        # A crashing test ends at once with its fault printed, instead of waiting on a debugger.
        "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
            /v Debugger /d "no-debugger.exe" /f >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.vantrel-ready-4"
    ) 9>"$WINEPREFIX.lock"
}
