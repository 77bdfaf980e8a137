#!/usr/bin/env bash
# Builds every target without CUPS into build-nocups/, so that printing through Qt alone, the
# path the Windows program takes, keeps compiling on Linux too, with no warning, and runs the
# main window's tests there, whose Print Pattern goes that path to a printer that does not exist.
# The printing tests follow their jobs through CUPS and are listed as skipped in this build; the
# rest would repeat the normal build's.
#   scripts/build-without-cups.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=build-nocups

"$root/scripts/install-deps.sh"
launcher=()
command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
"$root/scripts/build.sh" "$build_dir" -DCMAKE_DISABLE_FIND_PACKAGE_Cups=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${launcher[@]}"

# A build that found CUPS all the same would compile the CUPS path a second time instead.
if ! grep -q 'print_queue_qt\.cpp' "$root/$build_dir/compile_commands.json"; then
    echo "build-without-cups.sh: $build_dir compiled no print_queue_qt.cpp; is CUPS still found?" >&2
    exit 1
fi
ctest --test-dir "$root/$build_dir" --output-on-failure --no-tests=error -j2 -R '^MainWindow\.'
