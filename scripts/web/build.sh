#!/usr/bin/env bash
# Builds the browser page into one folder that any static web host can serve: the page, its
# script and style, the core compiled to WebAssembly, the languages, the guide and the icons.
# Installs what is missing first. A compiler warning fails the build.
#   scripts/web/build.sh            builds into build-web/site/
#   scripts/web/build.sh --serve    then serves it on this machine (scripts/web/serve.py)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$root/build-web
site=$build_dir/site

"$root/scripts/install-deps.sh" --web

# Emscripten's optimiser runs under node with Debian's node modules.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTAVREL_BUILD_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build_dir" --target tavrel_web --parallel 2

# The page's scripts and the core's loader as one minified module (esbuild, from the lock file):
# one request instead of twenty before the page can be used. The service worker stays apart.
(cd "$root/web" && npm ci --no-audit --no-fund --silent)
scripts=$build_dir/scripts
rm -rf "$site" "$scripts"
mkdir -p "$scripts"
cp -R "$root/web/site/." "$site/"
mv "$site"/*.js "$scripts/"
mv "$scripts/sw.js" "$site/"
cp "$build_dir/web/tavrel.mjs" "$scripts/"
"$root/web/node_modules/.bin/esbuild" "$scripts/app.js" --bundle --format=esm --minify \
    --log-level=warning --outfile="$site/app.js"
cp "$build_dir/web/tavrel.wasm" "$site/"
python3 "$root/scripts/web/languages.py" "$root/translations" "$site/languages"
python3 "$root/scripts/web/guide.py" "$root/help" "$site/guide"
version=$(sed -n 's/^project(Tavrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
python3 "$root/scripts/web/offline_list.py" "$site" "$version"
echo "build.sh: the page is in $site"

if [[ ${1:-} == --serve ]]; then
    exec python3 "$root/scripts/web/serve.py" "$site" "${2:-8080}"
fi
