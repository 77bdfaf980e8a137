#!/usr/bin/env bash
# The browser page's tests: the core's tests compiled to WebAssembly under node, then the page
# built and tested in Debian's Chromium (typing, pasting, the picture and every file against the
# desktop program's, offline use, a phone's screen, an accessibility check) and the page's own
# scripts under node. Installs what is missing; the npm packages come from the lock file.
# The desktop program the files are checked against is built in build/ when it is not there.
#   scripts/web/test.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

"$root/scripts/web/test-core.sh"
"$root/scripts/web/build.sh"
[[ -x $root/build/app/tavrel ]] || "$root/scripts/build.sh" build -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
(cd "$root/web" && npm ci --no-audit --no-fund --silent)
node --test "$root"/web/tests/*.test.mjs
