#!/usr/bin/env bash
# The Windows program under Wine with Qt's real windows platform on the test X server, driven by
# real X input: it chooses a unit and types a measurement, and its picture must be the Linux
# program's pixel for pixel; it saves a PDF through the Pattern menu and prints through Wine's
# printing to the CUPS PDF queue, and both rulers must measure true; F1 opens the guide.
#   end_to_end_test.sh PROGRAM.exe LINUX_PROGRAM   with TAVREL_E2E_DISPLAY and CUPS running
set -euo pipefail

program=$1
linux_program=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export DISPLAY=${TAVREL_E2E_DISPLAY:?needs the test X server (scripts/windows/test.sh starts it)}
[[ -x $linux_program ]] || { echo "no Linux program at $linux_program: build it first" >&2; exit 1; }
work=$(mktemp -d)
# A Wine prefix of its own: Wine's desktop of the other tests' prefix has no X display.
export WINEPREFIX=${WINEPREFIX:?}-desktop
[[ -d $WINEPREFIX ]] || wineboot --init >/dev/null 2>&1
pid=
trap '[[ $pid ]] && kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
measure="2 1/2"

# Keeps what the test saw for a look afterwards.
fail() {
    echo "end_to_end_test: $*" >&2
    cp -r "$work" "${TMPDIR:-/tmp}/tavrel-windows-end-to-end" 2>/dev/null || true
    exit 1
}
# wait_for WHAT COMMAND...: retries for up to a minute (Wine starts slowly).
wait_for() {
    local what=$1
    shift
    for _ in $(seq 120); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.5
    done
    fail "$what never happened"
}
keys() { xdotool key --delay 80 "$@"; }

# The Linux program's picture of the same measurement, one pixel a screen pixel.
"$linux_program" --unit fractions --measure "$measure" --export "$work/linux.png" ||
    fail "the Linux program did not export its picture"
convert "$work/linux.png" -alpha off "$work/linux.ppm"

wine "$program" &
pid=$!
wait_for "the window" xdotool search --onlyvisible --name '^Tavrel$'
window=$(xdotool search --onlyvisible --name '^Tavrel$' | head -n1)
sleep 2
# Windows places a new window down and right of the screen's corner; the picture must be whole
# on the screen.
xdotool windowmove --sync "$window" 0 0 || true
sleep 1
# No window manager runs: the window has no frame, and its height is the menu bar's plus the
# client area's 96 pixels. Clicks go to client pixels as the controls are laid out.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$((HEIGHT - 96))
click() {
    xdotool mousemove --window "$window" "$1" $((menu_bar + $2)) click 1
    sleep 0.5
}
click 60 44   # Inches (Fractions)
click 240 61  # the measurement box
xdotool type --delay 80 "$measure"
sleep 3

import -window root "$work/screen.png"
convert "$work/screen.png" -alpha off "$work/screen.ppm"
python3 "$here/pixels.py" find "$work/screen.ppm" "$work/linux.ppm" >/dev/null ||
    fail "the window does not show the Linux program's picture (see screen.png)"
echo "end_to_end_test: the window's picture is the Linux program's, pixel for pixel"

# The ruler's length as the Linux program draws it: its longest line, in inches at 96 dpi.
convert "$work/linux.png" -colorspace gray -depth 8 "$work/linux.pgm"
ruler=$(python3 "$here/pixels.py" bar "$work/linux.pgm" 96 0 100)

# Saved as PDF through the Pattern menu's file dialog: Wine's own.
keys alt+p p
sleep 3
keys ctrl+a
xdotool type --delay 30 "Z:${work//\//\\}\\saved.pdf"
keys Return
wait_for "the saved PDF" test -s "$work/saved.pdf"
sleep 1
pdftoppm -r 300 -gray -f 1 -l 1 "$work/saved.pdf" "$work/saved"
saved=$(python3 "$here/pixels.py" bar "$work"/saved-1.pgm 300 0 100)

# Printed on the default printer, the CUPS PDF queue, through Wine's printing.
output=$HOME/PDF
mkdir -p "$output"
ls "$output" >"$work/before"
# The queue's folder is shared with other programs' jobs: the page is the new file of this job,
# whole once it reads as a PDF.
printed_page() {
    printed_file=$(ls "$output" | grep -v -x -F -f "$work/before" | grep Tavrel | head -n1)
    [[ $printed_file ]] && pdfinfo "$output/$printed_file" >/dev/null 2>&1
}
click 368 24  # Print Pattern
wait_for "the printed page" printed_page
printed_page
printed_file=$output/$printed_file
pdftoppm -r 300 -gray -f 1 -l 1 "$printed_file" "$work/printed"
printed=$(python3 "$here/pixels.py" bar "$work"/printed-1.pgm 300 0 100)

echo "end_to_end_test: ruler $ruler in on screen at 96 dpi, $saved in in the saved PDF, $printed in printed"
python3 - "$ruler" "$saved" "$printed" <<'PY' || fail "a ruler is off its true length"
import sys
ruler, saved, printed = map(float, sys.argv[1:])
# Within a pixel of the screen's drawing and two dots of the rasters.
sys.exit(0 if abs(saved - ruler) <= 1 / 96 + 2 / 300 and abs(printed - ruler) <= 1 / 96 + 2 / 300 else 1)
PY

# F1 opens the guide in a window of its own.
xdotool windowfocus "$window" 2>/dev/null || true
keys F1
wait_for "the guide's window" sh -c "xdotool search --onlyvisible --name . | grep -v -x '$window' | grep -q ."
echo "end_to_end_test: F1 opened the guide"
