#!/usr/bin/env bash
# The Windows installer in a fresh Wine prefix: a silent install puts the program, its guides,
# translations and Start-menu entry in place; the installed program exports a PDF from the
# command line; a silent uninstall takes away everything the installer put there.
#   setup_test.sh BUILD_DIR   (after scripts/windows/package.sh)
set -euo pipefail

build_dir=$1
setup=$(find "$build_dir" -maxdepth 1 -name 'tavrel-*-setup.exe' | head -n1)
[[ $setup ]] || { echo "no setup in $build_dir: run scripts/windows/package.sh" >&2; exit 1; }
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
unset WINEPATH
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "setup_test: $*" >&2
    exit 1
}

# The setup shows Tavrel's icon, not the installer's stock one: the same images.
icon_images() {
    local folder
    folder=$(mktemp -d -p "$work")
    icotool -x -o "$folder" "$1" 2>/dev/null
    (cd "$folder" && md5sum -- * | cut -d' ' -f1 | sort)
}
wrestool -x -t 14 "$setup" -o "$work/setup.ico"
[[ $(icon_images "$work/setup.ico") == $(icon_images "$build_dir/packaging/windows/tavrel.ico") ]] ||
    fail "the setup does not show Tavrel's icon"

wineboot --init >/dev/null 2>&1
wine "$setup" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Tavrel"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel'
for file in tavrel.exe tavrel-extras.dll Qt6Core.dll platforms/qwindows.dll platforms/qoffscreen.dll \
    fonts/DejaVuSans.ttf uninstall.exe \
    TavrelMarker.chm TavrelMarker_de.chm translations/tavrel_de.qm translations/qtbase_de.qm; do
    [[ -f $folder/$file ]] || fail "the installer did not put $file in place"
done
[[ -f $shortcut ]] || fail "no Start-menu entry"
strings -el "$shortcut" | grep -qx 'C:\\Program Files\\Tavrel' ||
    fail "the Start-menu entry does not start in the program's folder: $(strings -el "$shortcut")"
wine reg query "$key" /v DisplayVersion >/dev/null 2>&1 || fail "no entry in the installed programs"

# The installed program on its own: no SDK on the path.
pdf=$work/pattern.pdf
wine "$folder/tavrel.exe" --unit decimal --measure 2 --export "Z:${pdf//\//\\}" ||
    fail "the installed program's export failed"
pdftotext "$pdf" - | grep -q "should measure one inch" || fail "the PDF has no check ruler"
pdfinfo "$pdf" | grep -q 'Page size: *612 x 792 pts' || fail "the PDF is not on letter paper"

# A silent uninstall keeps the user's settings, which only a choice on its page removes.
settings='HKCU\Software\Tavrel'
wine reg add "$settings" /v LastPaper /d a4 /f >/dev/null 2>&1
wine "$folder/uninstall.exe" /S
wineserver -w
wine reg query "$settings" /v LastPaper >/dev/null 2>&1 || fail "a silent uninstall removed the settings"
[[ ! -e $folder ]] || fail "left behind: $(cd "$folder" && find . | head)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the entry in the installed programs is left"
echo "setup_test: installed, exported, uninstalled"
