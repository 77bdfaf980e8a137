#!/usr/bin/env bash
# Configures and builds Tavrel with Ninja into the given build folder (relative to the
# repository). Further arguments go to CMake, e.g. -DTAVREL_SANITIZE=ON.
#   scripts/build.sh build
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/${1:?usage: build.sh BUILD_DIR [CMAKE_OPTION...]}
shift

cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
# Two parallel jobs: the machines have two cores, and a Qt translation unit is heavy.
cmake --build "$build_dir" --parallel 2
