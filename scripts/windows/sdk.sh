# The Windows SDK (Qt and the libraries built for MinGW-w64), for scripts to source:
#   sdk_expected_versions   what build-sdk.sh builds, one "name version" a line
#   sdk_versions_of PREFIX  what the SDK in PREFIX holds, in the same form
#   sdk_cache_folder        where the SDK of these versions is kept, outside any clone
#   sdk_ready PREFIX        whether PREFIX holds a complete SDK of these versions

# Debian 12's source packages, by their upstream versions; build-sdk.sh refuses other ones.
sdk_expected_versions() {
    cat <<'VERSIONS'
qtbase 6.4.2
zlib 1.2.13
libpng 1.6.39
libjpeg-turbo 2.1.5
qpdf 11.3.0
dxflib 3.26.4
googletest 1.12.1
VERSIONS
}

# Read from the packages' own files, so that an SDK made elsewhere is judged the same way.
sdk_versions_of() {
    local prefix=$1 name file
    for name in qtbase:Qt6Core zlib: libpng:libpng libjpeg-turbo:libjpeg qpdf:libqpdf dxflib:dxflib \
        googletest:gtest; do
        file=${name#*:}
        if [[ $file ]]; then
            echo "${name%%:*} $(sed -n 's/^Version: *//p' "$prefix/lib/pkgconfig/$file.pc" 2>/dev/null)"
        else
            echo "zlib $(sed -n 's/^#define ZLIB_VERSION "\(.*\)"/\1/p' "$prefix/include/zlib.h" 2>/dev/null)"
        fi
    done
}

sdk_cache_folder() {
    local tag
    tag=$(sdk_expected_versions | sha256sum | cut -c1-12)
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/tavrel/windows-sdk-qt6.4.2-$tag"
}

sdk_ready() {
    local prefix=$1
    [[ -f $prefix/bin/Qt6Widgets.dll && -f $prefix/lib/libqpdf.a ]] &&
        [[ $(sdk_versions_of "$prefix") == "$(sdk_expected_versions)" ]]
}
