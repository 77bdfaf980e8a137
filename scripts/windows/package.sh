#!/usr/bin/env bash
# Makes Tavrel's Windows installer and portable archive from the Windows build
# (scripts/windows/build.sh): the program's folder with exactly the DLLs and Qt plugins it uses,
# then build-windows/tavrel-VERSION-setup.exe (NSIS) and build-windows/tavrel-VERSION-windows.zip
# of the same files.
#   scripts/windows/package.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=$root/build-windows
sdk=$(sed -n 's/^TAVREL_WINDOWS_SDK:PATH=//p' "$build_dir/CMakeCache.txt")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
stage=$build_dir/setup/Tavrel

rm -rf "$build_dir/setup"
cmake --install "$build_dir" --prefix "$stage" >/dev/null
mkdir -p "$stage/platforms" "$stage/styles"
# The window's platform, and the one the command line draws a PDF's text on.
cp "$sdk/plugins/platforms/qwindows.dll" "$sdk/plugins/platforms/qoffscreen.dll" "$stage/platforms/"
cp "$sdk/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
# Qt's own texts (the file dialog's, the edit menu's) in the program's languages, found through
# qt.conf beside the program, as are the plugins.
# Qt has no Portuguese of Portugal, only of Brazil: the program's own qtbase_pt_PT.qm stands in.
for qm in "$build_dir"/app/translations/tavrel_*.qm; do
    language=${qm##*/tavrel_}
    language=${language%.qm}
    find /usr/share/qt6/translations -name "qtbase_${language}.qm" -o -name "qtbase_${language}_*.qm" |
        xargs -r cp -t "$stage/translations/"
done
printf '[Paths]\nPrefix=.\nPlugins=.\nTranslations=translations\n' >"$stage/qt.conf"

# The DLLs of the SDK that the program, its module and the plugins load, and theirs in turn.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
pending=("$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll)
while ((${#pending[@]})); do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r dll; do
        found=$(find "$sdk/bin" -maxdepth 1 -iname "$dll" | head -n1)
        if [[ $found && ! -e $stage/${found##*/} ]]; then
            cp "$found" "$stage/"
            pending+=("$stage/${found##*/}")
        fi
    done < <(imports "$file")
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# The installer's lists: every file it puts in place, and the same taken away again, deepest
# first, so that only what it installed leaves the folder.
(
    cd "$stage"
    find . -type f | sort | while read -r file; do
        dir=$(dirname "${file#./}")
        [[ $dir == . ]] && dir="" || dir="\\${dir//\//\\}"
        echo "SetOutPath \"\$INSTDIR$dir\""
        echo "File \"${stage}/${file#./}\""
    done
) >"$build_dir/setup/files.nsh"
(
    cd "$stage"
    find . -type f | sort | while read -r file; do
        f=${file#./}
        echo "Delete \"\$INSTDIR\\${f//\//\\}\""
    done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
        d=${dir#./}
        echo "RMDir \"\$INSTDIR\\${d//\//\\}\""
    done
) >"$build_dir/setup/unfiles.nsh"

setup=$build_dir/tavrel-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build_dir/packaging/windows/tavrel.ico" \
    -DFILES="$build_dir/setup/files.nsh" -DUNFILES="$build_dir/setup/unfiles.nsh" \
    -DLANGUAGES="$build_dir/packaging/windows/languages.nsh" \
    -DOUTFILE="$setup" "$root/packaging/windows/tavrel.nsi"
archive=$build_dir/tavrel-$version-windows.zip
rm -f "$archive"
(cd "$build_dir/setup" && zip -qr -X "$archive" Tavrel)
echo "package.sh: $setup and $archive"
