#!/usr/bin/env bash
# Compiles the locales the tests run the program in into FOLDER, for the C library to find
# through LOCPATH: German, French and Polish write decimals with a comma and group thousands
# with a point or a space. Needs Debian's `locales` (the sources) but no root, and changes
# nothing of the system. A locale compiled before is kept.
#   make_locales.sh FOLDER
set -euo pipefail

folder=${1:?usage: make_locales.sh FOLDER}
mkdir -p "$folder"
for locale in de_DE fr_FR pl_PL; do
    target=$folder/$locale.UTF-8
    [[ -d $target ]] && continue
    # Compiled beside the target and moved into place whole, so a run cut short leaves nothing
    # that looks complete.
    rm -rf "$target.partial"
    localedef -i "$locale" -f UTF-8 "$target.partial"
    mv "$target.partial" "$target"
done
