#!/usr/bin/env bash
# Sets everything up and runs every test: installs what is missing, builds, starts a virtual
# X server and a print spooler with a PDF printer for the tests, runs CTest, and stops again
# whatever it started.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   an AddressSanitizer + UndefinedBehaviorSanitizer build, in build-sanitize/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_dir=build
cmake_options=()
case ${1:-} in
    "") ;;
    --sanitize)
        build_dir=build-sanitize
        cmake_options=(-DTAVREL_SANITIZE=ON)
        # Set before the build too: test discovery runs the test programs.
        # Leaks are not checked yet: Qt's plugins and fontconfig keep memory to the end.
        export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=0:strict_string_checks=1:check_initialization_order=1}
        export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
        ;;
    *)
        echo "usage: scripts/test.sh [--sanitize]" >&2
        exit 2
        ;;
esac

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir" "${cmake_options[@]}"

log_dir=$root/$build_dir/Testing/services
mkdir -p "$log_dir"

# Services this run started, stopped on any exit; services already running are left alone.
started_pids=()
stop_services() {
    local pid
    for pid in "${started_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    started_pids=()
}
trap stop_services EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

wait_until() {
    local what=$1
    shift
    for _ in $(seq 100); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "test.sh: $what did not come up; see $log_dir" >&2
    return 1
}

# A virtual X server for the end-to-end tests; it picks a free display number itself.
start_xvfb() {
    local display_file=$log_dir/xvfb.display
    rm -f "$display_file"
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -noreset \
        3>"$display_file" >"$log_dir/xvfb.log" 2>&1 &
    started_pids+=($!)
    wait_until "Xvfb" test -s "$display_file"
    export TAVREL_E2E_DISPLAY=:$(head -n1 "$display_file")
    echo "test.sh: Xvfb on display $TAVREL_E2E_DISPLAY for the end-to-end tests"
}

# The print spooler with a cups-pdf queue as the default printer; each user's jobs land in
# that user's ~/PDF. The spooler and its queues belong to root.
as_root=()
((EUID == 0)) || as_root=(sudo)
start_cups() {
    if lpstat -r 2>/dev/null | grep -q 'is running'; then
        echo "test.sh: CUPS already running, using it"
    else
        setsid "${as_root[@]}" /usr/sbin/cupsd -f >"$log_dir/cupsd.log" 2>&1 &
        started_pids+=($!)
        wait_until "cupsd" sh -c "lpstat -r | grep -q 'is running'"
    fi
    "${as_root[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E
    lpoptions -d PDF >/dev/null
    echo "test.sh: $(lpstat -d)"
}

start_xvfb
start_cups

# Most GUI tests set Qt's offscreen platform themselves; only the end-to-end tests take
# TAVREL_E2E_DISPLAY, so no other test can reach the X server by accident.
unset DISPLAY WAYLAND_DISPLAY
summary=$root/$build_dir/Testing/ctest-output.log
status=0
# With pipefail the pipeline's status is CTest's, tee being the one that succeeds.
ctest --test-dir "$root/$build_dir" --output-on-failure --no-tests=error -j2 | tee "$summary" ||
    status=$?
stop_services

# CTest's own closing line, last, so that it is the line a reader of the log meets first.
grep -E 'tests passed|No tests were found' "$summary" | tail -n1 || echo "ctest ended with status $status"
exit "$status"
