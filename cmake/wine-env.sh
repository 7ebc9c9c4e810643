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
    [ -f "$WINEPREFIX/.vantrel-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.vantrel-ready" ] && exit 0
        echo "Creating the Wine prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot -i >/dev/null 2>&1 || true
        "$WINESERVER" -w
        fonts="$WINEPREFIX/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        for f in tahoma.ttf tahomabd.ttf ms_sans_serif.ttf; do
            cp "/usr/share/wine/fonts/$f" "$fonts/"
        done
        key='HKCU\Software\Wine\Fonts\Replacements'
        "$WINE64" reg add "$key" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
        "$WINE64" reg add "$key" /v "MS Sans Serif" /d "Tahoma" /f >/dev/null 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.vantrel-ready"
    ) 9>"$WINEPREFIX.lock"
}
