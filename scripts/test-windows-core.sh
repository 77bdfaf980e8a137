#!/usr/bin/env bash
# Builds the measurement and pattern core and their tests for 64-bit Windows with MinGW-w64 and
# runs the tests under Wine, so that the core stays portable and its numbers stay identical on
# the Windows C runtime. Installs the cross compiler and Wine when they are missing. A compiler
# warning fails the build.
#   scripts/test-windows-core.sh      builds into build-windows-core/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/build-windows-core

"$root/scripts/install-deps.sh" --windows-core

# A Wine prefix of our own, made once before test discovery so that its first start (tens of
# seconds) does not count against the discovery timeout.
export WINEPREFIX=$build_dir/wine-prefix WINEDEBUG=-all
mkdir -p "$build_dir"
[[ -d $WINEPREFIX ]] || wineboot --init >/dev/null 2>&1 || true

cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build_dir" --parallel 2
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
