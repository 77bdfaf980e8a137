#!/usr/bin/env bash
# Takes docs/screenshot.png the way a person meets the program: the real window on a virtual
# X server, "Inches (Fractions)" clicked and 2 1/2 typed with real X input.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build

log_dir=$root/build/screenshot
mkdir -p "$log_dir" "$root/docs"
source "$root/scripts/services.sh"
trap stop_services EXIT

start_xvfb "$log_dir"
export DISPLAY=$XVFB_DISPLAY
"$root/build/app/tavrel" >"$log_dir/tavrel.log" 2>&1 &
started_pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "${started_pids[-1]}" | head -n1)

# The option button's place in the client area (600, 480 twips = 40, 32 pixels, 25 high),
# below a menu bar of about 22 pixels; no window manager, so the window has no frame.
xdotool mousemove --window "$window" 60 $((22 + 32 + 12)) click 1
sleep 0.3
xdotool type --delay 150 "2 1/2"
sleep 1
import -window "$window" "$root/docs/screenshot.png"
echo "screenshot.sh: wrote docs/screenshot.png"
