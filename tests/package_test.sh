#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine as a user would, starts the installed
# program from its desktop entry's command on the test X server, and removes the package again.
#   package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/installed_program.sh"

build=${1:?usage: package_test.sh BUILD_DIR}
((EUID == 0)) || fail "installing the package needs root"
dpkg-query -W tavrel >/dev/null 2>&1 && fail "a tavrel package is already installed; remove it first"

out=$(mktemp -d)
trap 'stop_program; dpkg -r tavrel >/dev/null 2>&1 || true; rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
package=$(ls "$out"/tavrel_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6printsupport6 libpng16-16 libdxflib3; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

# Debian's own checker: no errors and no warnings.
lintian --allow-root --fail-on error,warning "$package" || fail "lintian finds fault with the package"

dpkg -i "$package" >/dev/null
desktop=$(ls /usr/share/applications/*.desktop | xargs grep -l '^Exec=tavrel$')
command=$(sed -n 's/^Exec=//p' "$desktop")
[[ $(command -v "$command") == /usr/bin/tavrel ]] || fail "the desktop entry's command is not on PATH"
[[ -s /usr/share/icons/hicolor/48x48/apps/tavrel.png ]] || fail "no icon installed"
man -w tavrel >/dev/null || fail "man tavrel finds no page"
[[ $(tavrel --lang de --help) != $(tavrel --help) ]] || fail "the installed package does not speak German"

start_program "$(command -v "$command")"
press_keys F1
wait_for_help_window || fail "F1 in the installed package showed no help window"
echo "package_test: $(basename "$package") passes lintian, installs, starts from its desktop entry and opens its guide"
