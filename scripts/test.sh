#!/usr/bin/env bash
# Sets everything up and runs every test: installs what is missing, builds, starts a virtual
# X server and a print spooler with a PDF printer for the tests, runs CTest, and stops again
# whatever it started. A compiler warning fails the build.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   an AddressSanitizer + UndefinedBehaviorSanitizer build, in build-sanitize/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_dir=build
cmake_options=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
case ${1:-} in
    "") ;;
    --sanitize)
        build_dir=build-sanitize
        cmake_options+=(-DTAVREL_SANITIZE=ON)
        # Set before the build too: test discovery runs the test programs. Leaks are checked;
        # lsan.supp names the few libraries that keep memory on purpose until the end. No
        # strict_string_checks: libxkbcommon-x11 hands strndup unterminated buffers, which that
        # check takes for an overflow, so no program could start on the X server.
        export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:check_initialization_order=1}
        export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
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

source "$root/scripts/services.sh"
trap stop_services EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_xvfb "$log_dir"
export TAVREL_E2E_DISPLAY=$XVFB_DISPLAY
# A laptop's screen, where a large pattern's window is kept smaller than the pattern.
start_xvfb "$log_dir" 1366x768
export TAVREL_E2E_LAPTOP_DISPLAY=$XVFB_DISPLAY
echo "test.sh: Xvfb on displays $TAVREL_E2E_DISPLAY and $TAVREL_E2E_LAPTOP_DISPLAY (1366x768) for the end-to-end tests"
start_cups "$log_dir"
echo "test.sh: CUPS running, $(lpstat -d)"

# Most GUI tests set Qt's offscreen platform themselves; only the end-to-end tests take
# TAVREL_E2E_DISPLAY, so no other test can reach the X server by accident.
unset DISPLAY WAYLAND_DISPLAY
summary=$root/$build_dir/Testing/ctest-output.log
status=0
# With pipefail the pipeline's status is CTest's, tee being the one that succeeds.
ctest --test-dir "$root/$build_dir" --output-on-failure --no-tests=error -j2 | tee "$summary" ||
    status=$?
stop_services

# CTest's closing line once more, so that the log ends with it rather than with the services.
grep -E 'tests passed|No tests were found' "$summary" | tail -n1 || echo "ctest ended with status $status"
# The browser page once, beside the normal build, whose program its files are checked against.
if [[ $status == 0 && $build_dir == build ]]; then
    "$root/scripts/web/test.sh" || status=$?
fi
exit "$status"
