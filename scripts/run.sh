#!/usr/bin/env bash
# Sets everything up and starts Tavrel: installs what is missing, builds, opens the window.
# Arguments go to the program, so the same command also exports:
#   scripts/run.sh --unit fractions --measure "2 1/2" --export pattern.png
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" build

program=$root/build/app/tavrel

# Export, help and version need no screen; everything else opens the window.
needs_window=true
for argument in "$@"; do
    case $argument in --export | --export=* | --help | -h | --version | -v) needs_window=false ;; esac
done

if $needs_window && [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    cat <<MESSAGE

Tavrel is built, but this session has no display (neither DISPLAY nor WAYLAND_DISPLAY is
set), so its window cannot open here. Run this command from a desktop session to draw
patterns in the window, or export a pattern to a file right here, for example:

    $program --unit fractions --measure "2 1/2" --export pattern.png

Units are decimal, fractions and millimeter; the file may end in .png, .svg, .pdf or .dxf.
MESSAGE
    exit 0
fi

exec "$program" "$@"
