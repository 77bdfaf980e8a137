#!/usr/bin/env bash
# Reads the program as a screen reader does, over AT-SPI: on an X server of its own with a
# window manager, as on a desktop, and on a D-Bus session of its own with the accessibility
# bus that it starts. The program's settings go to a folder of the run's own.
#   screen_reader_test.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=${1:?usage: screen_reader_test.sh PROGRAM}
work=$(mktemp -d)
source "$here/../scripts/services.sh"
trap 'stop_services; rm -rf "$work"' EXIT

start_xvfb "$work" 1280x1024
export DISPLAY=$XVFB_DISPLAY
openbox >"$work/openbox.log" 2>&1 &
started_pids+=($!)
wait_until "openbox (see $work/openbox.log)" xprop -root _NET_SUPPORTING_WM_CHECK

# The mail link is handed to a "browser" that does nothing.
export XDG_CONFIG_HOME=$work/config LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb BROWSER=true
unset LANGUAGE
# Qt speaks to the accessibility bus only when asked to, or when a desktop says one listens.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's pyatspi is for the system's Python.
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$program"
