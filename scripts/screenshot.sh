#!/usr/bin/env bash
# Takes screenshots the way a person meets the program: the real window on a virtual X server,
# "Inches (Fractions)" clicked and 2 1/2 typed with real X input.
#   scripts/screenshot.sh             docs/screenshot.png: English, 96 dots per inch
#   scripts/screenshot.sh --settings  into build/screenshots/: english-96dpi.png, the same;
#                                     german-gnome-11pt.png, German under GNOME's settings with
#                                     its 11 pt font; english-192dpi.png, a 192 dpi screen with
#                                     Qt's scaling off
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/${TAVREL_BUILD_DIR:-build}
case ${1:-} in
    "") settings=false ;;
    --settings) settings=true ;;
    *) echo "usage: scripts/screenshot.sh [--settings]" >&2; exit 2 ;;
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
    local start_height menu_bar
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

if ! $settings; then
    mkdir -p "$root/docs"
    shoot "$root/docs/screenshot.png" 96
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
