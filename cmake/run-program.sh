#!/bin/sh
# Starts the program under Wine from a run folder of its own, <build>/run, which holds vantrel.exe and help.html;
# the program's history file, cmdlist.dat, lands there too and survives from run to run.
#
#   cmake/run-program.sh BUILD_TREE     (the Makefile's `make run` passes build/win64)
#
# With a display (DISPLAY set) the program is interactive. Without one it runs under Xvfb, driven by rundriver:
# it saves a screenshot of the window, closes it, answers the quit confirmation with Yes, and the path of the
# screenshot (a PNG) is printed.
set -eu
tree=${1:?usage: run-program.sh BUILD_TREE}
here=$(cd "$(dirname "$0")" && pwd)
tree=$(cd "$tree" && pwd)
run=$(dirname "$tree")/run
mkdir -p "$run"
cp "$tree/app/vantrel.exe" "$tree/app/help.html" "$run/"
cd "$run"

if [ -n "${DISPLAY:-}" ]; then
    exec "$here/with-display.sh" "$here/wine-run.sh" "$run/vantrel.exe"
fi

# Wine maps the Unix root to drive Z:.
windows_path() {
    printf 'Z:%s' "$1" | tr '/' '\\'
}
# Inside a Wine desktop of the screen's size, so that the window has the frame and caption Wine draws: Xvfb has no
# window manager to draw them.
shot="$run/screenshot"
rm -f "$shot.bmp" "$shot.png"
"$here/with-display.sh" "$here/wine-run.sh" explorer /desktop=vantrel,1280x1024 \
    "$(windows_path "$tree/tools/rundriver/rundriver.exe")" \
    "$(windows_path "$run/vantrel.exe")" "$(windows_path "$shot.bmp")"
if [ ! -f "$shot.bmp" ]; then
    echo "run-program.sh: the program did not run to the end (no screenshot)" >&2
    exit 1
fi
convert "$shot.bmp" "$shot.png"
rm -f "$shot.bmp"
echo "Screenshot of the program's window: $shot.png"
