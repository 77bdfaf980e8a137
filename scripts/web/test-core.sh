#!/usr/bin/env bash
# Builds the measurement and pattern core, the page's Qt-free libraries and the core's tests to
# WebAssembly with emscripten and runs the tests under node, so that the browser computes the
# very numbers the desktop program does. Installs what is missing. A compiler warning fails the
# build; ccache keeps a second build short.
#   scripts/web/test-core.sh      builds into build-web-core/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$root/build-web-core

"$root/scripts/install-deps.sh" --web

emcmake cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVREL_BUILD_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build_dir" --parallel 2
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2
