# Starting an installed Tavrel on the test X server and driving it with real X input.
# For scripts to source; TAVREL_E2E_DISPLAY names the X server (scripts/test.sh starts it).

fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}

[[ -n ${TAVREL_E2E_DISPLAY:-} ]] || fail "TAVREL_E2E_DISPLAY names no X server; run the tests through scripts/test.sh"
export DISPLAY=$TAVREL_E2E_DISPLAY
program_pid=
main_window=

start_program() {
    QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
    program_pid=$!
    main_window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n1) ||
        fail "$1 showed no window"
}

stop_program() {
    [[ -n $program_pid ]] || return 0
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

# No window manager runs to activate the window, and the menus' access letters reach only an
# active window: give it the focus as a window manager would.
press_keys() {
    xdotool mousemove --window "$main_window" 200 40
    xdotool windowfocus --sync "$main_window"
    sleep 0.3
    xdotool key --delay 200 "$@"
}

# The guide's window is titled after its contents page; a missing guide gives a message box
# titled "Help Not Available" instead.
wait_for_help_window() {
    timeout 10 xdotool search --sync --onlyvisible --pid "$program_pid" --name '^Tavrel Help$' >/dev/null
}
