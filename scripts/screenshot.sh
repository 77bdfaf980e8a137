#!/usr/bin/env bash
# Takes docs/screenshot.png the way a person meets the program: the real window on a virtual
# X server, "Inches (Fractions)" clicked and 2 1/2 typed with real X input.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "${TAVREL_BUILD_DIR:-build}"

log_dir=$root/${TAVREL_BUILD_DIR:-build}/screenshot
mkdir -p "$log_dir" "$root/docs"
source "$root/scripts/services.sh"
trap stop_services EXIT

start_xvfb "$log_dir"
export DISPLAY=$XVFB_DISPLAY
"$root/${TAVREL_BUILD_DIR:-build}/app/tavrel" >"$log_dir/tavrel.log" 2>&1 &
started_pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "${started_pids[-1]}" | head -n1)

# No window manager runs, so the window has no frame: its height at start is the menu bar's
# plus the client area's 96 pixels. The option button sits at (40, 32) in the client area.
start_height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
menu_bar=$((start_height - 96))
xdotool mousemove --window "$window" 60 $((menu_bar + 32 + 12)) click 1
sleep 0.3
xdotool type --delay 150 "2 1/2"
sleep 1
import -window "$window" "$root/docs/screenshot.png"
echo "screenshot.sh: wrote docs/screenshot.png"
