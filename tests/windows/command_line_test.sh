#!/usr/bin/env bash
# The Windows program's command line under Wine: what it prints, where, and its exit codes, and
# the Windows file replacement: a new file, one replaced, a name beyond ASCII, and targets it
# must leave as they are.
#   command_line_test.sh PROGRAM.exe
set -uo pipefail

program=$1
folder=$(mktemp -d)
trap 'chmod -R u+w "$folder"; rm -rf "$folder"' EXIT
failures=0

# check NAME EXIT STREAM TEXT ARGUMENT...: the run ends with EXIT and STREAM (out or err) holds
# TEXT, or is empty when TEXT is.
check() {
    local name=$1 exit=$2 stream=$3 text=$4
    shift 4
    timeout 120 wine "$program" "$@" >"$folder/out" 2>"$folder/err"
    local status=$?
    local said=true
    if [[ $text ]]; then grep -qF -- "$text" "$folder/$stream" || said=false; else [[ ! -s $folder/$stream ]] || said=false; fi
    if ((status != exit)) || ! $said; then
        echo "FAILED $name: exit $status (wanted $exit), $stream lacks \"$text\":" >&2
        cat "$folder/out" "$folder/err" >&2
        failures=$((failures + 1))
    fi
}
windows() { echo "Z:${1//\//\\}"; }

check help 0 out "Usage: tavrel" --help
check version 0 out "tavrel 1.0.0" --version
check nothing-to-draw 1 err "Nothing to draw" --unit millimeter --measure . --export "$(windows "$folder/a.png")"
check unknown-option 2 err "unknown option --colour" --colour red --export "$(windows "$folder/a.png")"

check new-file 0 out "" --unit decimal --measure 2 --export "$(windows "$folder/pattern.pdf")"
[[ -s $folder/pattern.pdf ]] || { echo "FAILED new-file: no PDF" >&2; failures=$((failures + 1)); }
echo earlier >"$folder/replaced.svg"
check replaced 0 out "" --unit decimal --measure 1 --export "$(windows "$folder/replaced.svg")"
grep -q "<svg" "$folder/replaced.svg" || { echo "FAILED replaced: the SVG did not replace the file" >&2; failures=$((failures + 1)); }
check non-ascii 0 out "" --unit millimeter --measure 35 --export "$(windows "$folder/Schnittmuster-größe-ñ.dxf")"
[[ -s $folder/Schnittmuster-größe-ñ.dxf ]] || { echo "FAILED non-ascii: no file of that name" >&2; failures=$((failures + 1)); }

echo earlier >"$folder/kept.png"
chmod a-w "$folder/kept.png"
check read-only 1 err "Cannot write" --unit decimal --measure 1 --export "$(windows "$folder/kept.png")"
[[ $(cat "$folder/kept.png") == earlier ]] || { echo "FAILED read-only: the file changed" >&2; failures=$((failures + 1)); }
mkdir "$folder/taken.png"
check folder 1 err "Cannot write" --unit decimal --measure 1 --export "$(windows "$folder/taken.png")"
check missing-folder 1 err "Cannot write" --unit decimal --measure 1 --export "$(windows "$folder/no/such/pattern.png")"

# Nothing else is left: no temporary file of any run.
left=$(cd "$folder" && ls -A | grep -v -x -e out -e err -e pattern.pdf -e replaced.svg -e kept.png \
    -e taken.png -e 'Schnittmuster-größe-ñ.dxf' || true)
[[ -z $left ]] || { echo "FAILED left behind: $left" >&2; failures=$((failures + 1)); }
((failures == 0)) && echo "command_line_test: every case passed"
exit $((failures > 0))
