#!/usr/bin/env bash
# Cross-builds Tavrel for Windows (scripts/windows/build.sh), makes its installer
# (scripts/windows/package.sh) and runs every test of that build as a Windows program under Wine,
# in a Wine prefix of the build's own; the tests that cannot run there are listed as skipped with
# their reason. A compiler warning fails the build.
#   scripts/windows/test.sh [CMAKE_OPTION...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$root/build-windows

"$root/scripts/windows/build.sh" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
# The installer and the archive, which setup_test installs.
"$root/scripts/windows/package.sh"

export WINEPREFIX=$build_dir/wine-prefix WINEDEBUG=-all

log_dir=$build_dir/Testing/services
mkdir -p "$log_dir"
source "$root/scripts/services.sh"
trap stop_services EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
start_xvfb "$log_dir"
export TAVREL_E2E_DISPLAY=$XVFB_DISPLAY
start_cups "$log_dir"
echo "test.sh: Xvfb on display $TAVREL_E2E_DISPLAY for the end-to-end test; CUPS running, $(lpstat -d)"
# The other tests use Qt's offscreen platform; none reaches the X server by accident.
unset DISPLAY WAYLAND_DISPLAY

summary=$build_dir/Testing/ctest-output.log
status=0
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2 | tee "$summary" || status=$?
stop_services
grep -E 'tests passed|No tests were found' "$summary" | tail -n1 || echo "ctest ended with status $status"
exit "$status"
