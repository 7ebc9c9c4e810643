#!/bin/sh
# Takes the skin gallery's pictures: every page of skingallery.exe in every built-in style, as PNG files, and one
# composite per page with the five styles side by side.
#
#   cmake/gallery.sh BUILD_TREE OUT_FOLDER [PAGE ...]     (`make gallery` passes build/win64 and build/gallery)
set -eu
tree=${1:?usage: gallery.sh BUILD_TREE OUT_FOLDER [PAGE ...]}
out=${2:?usage: gallery.sh BUILD_TREE OUT_FOLDER [PAGE ...]}
shift 2
here=$(cd "$(dirname "$0")" && pwd)
tree=$(cd "$tree" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -f "$out"/*.bmp "$out"/*.png

# Wine maps the Unix root to drive Z:.
windows_path() {
    printf 'Z:%s' "$1" | tr '/' '\\'
}
# Inside a Wine desktop, as the program runs for `make run`: Xvfb has no window manager.
"$here/with-display.sh" "$here/wine-run.sh" explorer /desktop=gallery,1280x1024 \
    "$(windows_path "$tree/demo/gallery/skingallery.exe")" "$(windows_path "$out")" "$@"

for bmp in "$out"/*.bmp; do
    [ -f "$bmp" ] || { echo "gallery.sh: skingallery took no pictures" >&2; exit 1; }
    convert "$bmp" "${bmp%.bmp}.png"
    rm -f "$bmp"
done
# One composite per page and pose: the five styles side by side, in the order of the style list.
for mac in "$out"/*-MacOS*.png; do
    base=$(basename "$mac" .png)
    page=${base%%-MacOS*}
    pose=${base#"$page"-MacOS}
    set --
    for style in MacOS WinXP DeepBlue Protein BlueGlass; do
        [ -f "$out/$page-$style$pose.png" ] && set -- "$@" "$out/$page-$style$pose.png"
    done
    montage "$@" -tile "$#x1" -geometry +8+8 -background '#808080' "$out/composite-$page$pose.png"
done
echo "Gallery pictures in $out"
