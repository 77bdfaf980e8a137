#!/usr/bin/env bash
# Cross-builds Tavrel and its tests for 64-bit Windows with MinGW-w64 into build-windows/, against
# the Windows SDK (Qt and the libraries built from Debian's sources). The SDK is kept outside the
# clone, in a cache folder named by its versions: unpacked from a ready one in
# ../shared/windows-sdk/ when its versions are the ones build-sdk.sh builds, else built by
# build-sdk.sh (an hour or more), and reused by later runs.
#   scripts/windows/build.sh [CMAKE_OPTION...]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$root/build-windows
ready_sdk=${TAVREL_READY_WINDOWS_SDK:-$root/../shared/windows-sdk/windows-sdk.tar.xz}

"$root/scripts/install-deps.sh" --windows
source "$root/scripts/windows/sdk.sh"

sdk=$(sdk_cache_folder)
if ! sdk_ready "$sdk"; then
    rm -rf "$sdk" "$sdk.partial"
    mkdir -p "$sdk.partial"
    if [[ -f $ready_sdk ]]; then
        echo "build.sh: unpacking the ready SDK $ready_sdk"
        tar -xJf "$ready_sdk" -C "$sdk.partial"
        if sdk_ready "$sdk.partial/prefix"; then
            mv "$sdk.partial/prefix" "$sdk"
        else
            echo "build.sh: the ready SDK holds other versions; building one" >&2
            diff <(sdk_expected_versions) <(sdk_versions_of "$sdk.partial/prefix") >&2 || true
        fi
    fi
    if ! sdk_ready "$sdk"; then
        rm -rf "$sdk.partial"
        "$root/scripts/windows/build-sdk.sh" "$sdk.partial"
        mv "$sdk.partial" "$sdk"
    fi
    rm -rf "$sdk.partial"
fi
echo "build.sh: Windows SDK in $sdk"

# A Wine prefix of the build's own, for the program drawing the icon during the build and for
# the tests; made once, so that its first start (tens of seconds) counts against no test.
export WINEPREFIX=$build_dir/wine-prefix WINEDEBUG=-all
mkdir -p "$build_dir"
[[ -d $WINEPREFIX ]] || wineboot --init >/dev/null 2>&1 || true

launcher=()
command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-sdk.cmake" -DTAVREL_WINDOWS_SDK="$sdk" \
    -DTAVREL_BUILD_BENCH=OFF "${launcher[@]}" "$@"
# Two parallel jobs: the machines have two cores, and a Qt translation unit is heavy.
nice cmake --build "$build_dir" --parallel 2
