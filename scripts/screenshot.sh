#!/usr/bin/env bash
# Takes screenshots the way a person meets the program: the real window on a virtual X server,
# "Inches (Fractions)" clicked and 2 1/2 typed with real X input.
#   scripts/screenshot.sh             docs/screenshot.png: English, 96 dots per inch
#   scripts/screenshot.sh --settings  into build/screenshots/: english-96dpi.png, the same;
#                                     german-gnome-11pt.png, German under GNOME's settings with
#                                     its 11 pt font; english-192dpi.png, a 192 dpi screen with
#                                     Qt's scaling off
#   scripts/screenshot.sh --guide     the guide's pictures, in English into help/images/ and in
#                                     each translated guide's language (each help/LANG/ with a
#                                     contents.hhc) into help/LANG/images/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/${TAVREL_BUILD_DIR:-build}
case ${1:-} in
    "") mode=readme ;;
    --settings) mode=settings ;;
    --guide) mode=guide ;;
    *) echo "usage: scripts/screenshot.sh [--settings | --guide]" >&2; exit 2 ;;
esac
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "${TAVREL_BUILD_DIR:-build}"

log_dir=$build/screenshot
mkdir -p "$log_dir"
source "$root/scripts/services.sh"
trap stop_services EXIT

start_xvfb "$log_dir"
export DISPLAY=$XVFB_DISPLAY

# shoot OUTPUT DPI [VARIABLE=VALUE...] [-- PROGRAM_ARGUMENT...]: one window in those settings.
# Leaves the height of its menu bar in menu_bar.
shoot() {
    local output=$1 dpi=$2
    shift 2
    local variables=() arguments=()
    while (($#)) && [[ $1 != -- ]]; do variables+=("$1"); shift; done
    (($#)) && shift && arguments=("$@")
    env "${variables[@]}" "$build/app/tavrel" "${arguments[@]}" \
        >"$log_dir/$(basename "$output" .png).log" 2>&1 &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n1)

    # No window manager runs, so the window has no frame: its height at start is the menu bar's
    # plus the client area's 1440 twips, one inch. "Inches (Fractions)" stands at (600, 480)
    # twips, 1695 x 375: the click goes 300 twips into it, halfway down.
    local start_height
    start_height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    menu_bar=$((start_height - dpi))
    xdotool mousemove --window "$window" $((900 * dpi / 1440)) $((menu_bar + 667 * dpi / 1440)) click 1
    sleep 0.3
    xdotool type --delay 150 "2 1/2"
    sleep 1
    import -window "$window" "$output"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "screenshot.sh: wrote ${output#"$root"/}"
}

# palette_png OUTPUT CONVERT_ARGUMENT...: the image as a small palette PNG without time stamps,
# so that a window that looks the same gives the same bytes.
palette_png() {
    local output=$1
    shift
    convert "$@" -colors 64 -strip "PNG8:$output"
}

# inside SHOT WxH+X+Y WHAT: stops the script when WHAT reaches that part's edge in SHOT, as a
# caption or sentence longer in some language would be cut.
inside() {
    local width height shown_width shown_height shown_left shown_top
    IFS=x+ read -r width height _ _ <<<"$2"
    IFS=x+ read -r shown_width shown_height shown_left shown_top \
        <<<"$(convert "$1" -crop "$2" +repage -format %@ info:)"
    if ((shown_left == 0 || shown_top == 0 || shown_left + shown_width == width ||
         shown_top + shown_height == height)); then
        echo "screenshot.sh: $3 in ${1#"$root"/} reach the edge of the guide's picture:" \
             "make the picture larger here and in the guides' <img> tags" >&2
        exit 1
    fi
}

# guide_pictures LANGUAGE FOLDER: the guide's three pictures of the window in LANGUAGE, cut from
# one shot with 2 1/2 inches typed. M is then 180 pixels: the picture, 50 pixels from the left,
# is 541 x 756 (3 M + 1 by 4.2 M), the ruler goes from 3.5 M down to 3.75 M and the sentence
# under it from 3.8 M, centered on the picture. Every guide's pages give the pictures' sizes:
#   window.png  360 x 539: the whole window, 641 x 960, scaled
#   entry.png   480 x 104: the menu bar and the controls
#   ruler.png   460 x 100: the ruler and its sentence, room for two lines
guide_pictures() {
    local language=$1 folder=$2
    local shot=$log_dir/guide-$language.png
    shoot "$shot" 96 -- --lang "$language"
    # The window is as tall as the picture's top, its 756 pixels and 100 more, menu bar included.
    local picture_top=$((menu_bar + $(identify -format %h "$shot") - 856))
    # The controls below the menu bar's lower edge; the ruler from 10 pixels above its top (3.5 M
    # = 630), around the picture's middle (50 + 1.5 M = 320).
    local controls=480x$((104 - menu_bar - 2))+0+$((menu_bar + 2))
    local ruler=460x100+$((320 - 460 / 2))+$((picture_top + 630 - 10))
    inside "$shot" "$controls" "the controls"
    inside "$shot" "$ruler" "the ruler and its sentence"
    mkdir -p "$folder"
    # A window grown taller or wider in some language is fitted in, on the window's own gray.
    palette_png "$folder/window.png" "$shot" -resize 360x539 -background '#efefef' \
        -gravity north -extent 360x539
    palette_png "$folder/entry.png" "$shot" -crop 480x104+0+0 +repage
    palette_png "$folder/ruler.png" "$shot" -crop "$ruler" +repage
    echo "screenshot.sh: wrote ${folder#"$root"/}/window.png, entry.png and ruler.png"
}

if [[ $mode == readme ]]; then
    mkdir -p "$root/docs"
    shoot "$root/docs/screenshot.png" 96
    exit 0
fi

if [[ $mode == guide ]]; then
    guide_pictures en "$root/help/images"
    for contents in "$root"/help/*/contents.hhc; do
        folder=$(dirname "$contents")
        guide_pictures "$(basename "$folder")" "$folder/images"
    done
    exit 0
fi

shots=$build/screenshots
gnome_config=$log_dir/gnome-config
mkdir -p "$shots" "$gnome_config/gtk-3.0"
printf '[Settings]\ngtk-font-name=DejaVu Sans 11\n' >"$gnome_config/gtk-3.0/settings.ini"
shoot "$shots/english-96dpi.png" 96 -- --lang en
shoot "$shots/german-gnome-11pt.png" 96 XDG_CURRENT_DESKTOP=GNOME XDG_CONFIG_HOME="$gnome_config" \
    -- --lang de
shoot "$shots/english-192dpi.png" 192 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=192 -- --lang en
