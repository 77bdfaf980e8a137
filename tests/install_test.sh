#!/usr/bin/env bash
# Installs Tavrel into a staging folder as a packager would, checks every installed file, and
# starts the installed program on the test X server: F1 and Help > Content open the guide.
# LANGUAGE... are the languages the program speaks besides English (TAVREL_LANGUAGES).
#   install_test.sh BUILD_DIR LANGUAGE...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/installed_program.sh"

build=${1:?usage: install_test.sh BUILD_DIR LANGUAGE...}
shift
(($#)) || fail "no languages given: usage: install_test.sh BUILD_DIR LANGUAGE..."
stage=$(mktemp -d)
trap 'stop_program; rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

[[ -x $usr/libexec/tavrel/tavrel ]] || fail "the program is not in libexec/tavrel"
[[ $(readlink -f "$usr/bin/tavrel") == "$usr/libexec/tavrel/tavrel" ]] ||
    fail "bin/tavrel does not lead to the program"
[[ -s $usr/libexec/tavrel/TavrelMarker.chm ]] || fail "the help file is not beside the program"
for language in "$@"; do
    [[ -s $usr/libexec/tavrel/TavrelMarker_$language.chm ]] ||
        fail "the $language help file is not beside the program"
    [[ -s $usr/libexec/tavrel/translations/tavrel_$language.qm ]] ||
        fail "the $language translation is not beside the program"
    [[ $("$usr/bin/tavrel" --lang "$language" --help) != $("$usr/bin/tavrel" --help) ]] ||
        fail "the installed program does not speak $language"
    # Desktop files look up every Portuguese but Brazil's under plain "pt".
    code=${language/pt_PT/pt}
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$code\]=" "$usr"/share/applications/*.desktop ||
            fail "the desktop entry has no $key[$code]"
    done
    [[ $(grep -c "xml:lang=\"$code\"" "$usr"/share/metainfo/*.metainfo.xml) == 4 ]] ||
        fail "the metainfo's summary, paragraphs and caption are not all in $code"
done
grep -q '^Keywords\[de\]=.*Schnittmuster' "$usr"/share/applications/*.desktop ||
    fail "a German desktop search for Schnittmuster does not find the program"
for size in 16 22 24 32 48 64 128 256; do
    [[ -s $usr/share/icons/hicolor/${size}x$size/apps/tavrel.png ]] || fail "no ${size}x$size icon"
done
[[ -s $usr/share/icons/hicolor/scalable/apps/tavrel.svg ]] || fail "no scalable icon"
desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >/dev/null
man -l "$usr/share/man/man1/tavrel.1.gz" 2>/dev/null | grep -q -- "--export" ||
    fail "the manual page does not document --export"
[[ $("$usr/bin/tavrel" --version) == "tavrel 1.0.0" ]] || fail "--version: $("$usr/bin/tavrel" --version)"

start_program "$usr/bin/tavrel"
press_keys F1
wait_for_help_window || fail "F1 in the installed program showed no help window"
stop_program

start_program "$usr/bin/tavrel"
press_keys alt+h c
wait_for_help_window || fail "Help > Content in the installed program showed no help window"
echo "install_test: installed files valid; F1 and Help > Content open the guide"
