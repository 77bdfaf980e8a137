#!/usr/bin/env bash
# Builds the Windows SDK that Tavrel's Windows build needs, for x86_64-w64-mingw32 (posix threads),
# from Debian 12's source packages into PREFIX: zlib, libpng, libjpeg-turbo, qpdf, dxflib,
# GoogleTest and Qt's qtbase (Core, Gui, Widgets, PrintSupport, Test; the windows, offscreen and
# minimal platforms, the windowsvista style; shared, Release; Debian's moc, rcc and uic). Enables
# Debian's source archive for apt when it is not. Prints how long each part took.
#   scripts/windows/build-sdk.sh PREFIX [PART...]   parts: sources zlib libpng libjpeg googletest
#                                                   qpdf dxflib qtbase (all by default)
# Qt takes one to one and a half hours on two cores; the other parts a few minutes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
prefix=${1:?usage: build-sdk.sh PREFIX [PART...]}
shift
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
parts=("$@")
((${#parts[@]})) || parts=(sources zlib libpng libjpeg googletest qpdf dxflib qtbase)

"$root/scripts/install-deps.sh" --windows
source "$root/scripts/windows/sdk.sh"

work=$prefix/.build
sources=$work/sources
mkdir -p "$sources"
triplet=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64-sdk.cmake
export TAVREL_WINDOWS_SDK=$prefix
jobs=2
# Every compiler run at the lowest priority: the machines are shared.
renice -n 19 $$ >/dev/null

expected() { sdk_expected_versions | sed -n "s/^$1 //p"; }

# The source folder apt-get unpacked for a package, checked against the version recorded.
source_of() {
    local package=$1 name=$2 folder
    folder=$(find "$sources" -maxdepth 1 -type d -name "$package-*" | head -n1)
    [[ $folder ]] || { echo "build-sdk: no source of $package; run the part 'sources'" >&2; exit 1; }
    if [[ $name && $folder != *-"$(expected "$name")"* ]]; then
        echo "build-sdk: $folder is not $name $(expected "$name"); update sdk.sh" >&2
        exit 1
    fi
    echo "$folder"
}

cmake_configure() {
    local source=$1 build=$work/$2
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTAVREL_WINDOWS_SDK="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}

cmake_part() {
    cmake_configure "$@"
    nice cmake --build "$work/$2" --parallel "$jobs"
    cmake --install "$work/$2"
}

part_sources() {
    if ! apt-get source --print-uris zlib >/dev/null 2>&1; then
        local as_root=()
        ((EUID == 0)) || as_root=(sudo)
        "${as_root[@]}" tee /etc/apt/sources.list.d/tavrel-bookworm-src.sources >/dev/null <<'APT'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
APT
        "${as_root[@]}" apt-get -q update
    fi
    (cd "$sources" && apt-get source -q qt6-base zlib libpng1.6 libjpeg-turbo qpdf dxflib googletest)
}

# Debian's zlib source leaves out win32/, whose resource file the DLL's build names: one with
# the version alone. Its import library also goes by the name -lz finds.
part_zlib() {
    local source
    source=$(source_of zlib zlib)
    mkdir -p "$source/win32"
    [[ -s $source/win32/zlib1.rc ]] ||
        printf '1 VERSIONINFO\nFILEVERSION %s,0\nBEGIN\nEND\n' "$(expected zlib | tr . ,)" \
            >"$source/win32/zlib1.rc"
    cmake_part "$source" zlib
    cp "$prefix/lib/libzlib.dll.a" "$prefix/lib/libz.dll.a"
}

part_libpng() {
    cmake_part "$(source_of libpng1.6 libpng)" libpng -DPNG_STATIC=OFF -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF
}

part_libjpeg() {
    cmake_part "$(source_of libjpeg-turbo libjpeg-turbo)" libjpeg -DENABLE_STATIC=OFF \
        -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
}

part_googletest() {
    cmake_part "$(source_of googletest googletest)" googletest -Dgtest_disable_pthreads=OFF
}

# The library alone: qpdf's own programs want the DLLs copied beside them, which fails here.
# Its checks link -lAdvapi32, which a case-sensitive file system does not find.
part_qpdf() {
    local links=$work/qpdf-links
    mkdir -p "$links"
    ln -sf "/usr/$triplet/lib/libadvapi32.a" "$links/libAdvapi32.a"
    cmake_configure "$(source_of qpdf qpdf)" qpdf -DBUILD_STATIC_LIBS=OFF -DBUILD_SHARED_LIBS=ON \
        -DREQUIRE_CRYPTO_NATIVE=ON -DUSE_IMPLICIT_CRYPTO=OFF -DBUILD_DOC=OFF -DINSTALL_EXAMPLES=OFF \
        -DCMAKE_EXE_LINKER_FLAGS="-L$links" -DCMAKE_SHARED_LINKER_FLAGS="-L$links"
    nice cmake --build "$work/qpdf" --parallel "$jobs" --target libqpdf
    # The DLL and the CMake package come with no component; the import library with none at all.
    cmake --install "$work/qpdf" --component Unspecified
    cmake --install "$work/qpdf" --component dev
    cp "$work/qpdf/libqpdf/libqpdf.a" "$prefix/lib/"
}

# dxflib's source carries no build for this: its few files become a static library.
part_dxflib() {
    local source build=$work/dxflib
    source=$(source_of dxflib dxflib)
    mkdir -p "$build" "$prefix/include/dxflib" "$prefix/lib/pkgconfig"
    for file in "$source"/src/*.cpp; do
        nice "$triplet-g++-posix" -O2 -c "$file" -o "$build/$(basename "$file" .cpp).o"
    done
    rm -f "$prefix/lib/libdxflib.a"
    "$triplet-ar" rcs "$prefix/lib/libdxflib.a" "$build"/*.o
    cp "$source"/src/*.h "$prefix/include/dxflib/"
    cat >"$prefix/lib/pkgconfig/dxflib.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include/dxflib

Name: dxflib
Description: DXF reading and writing library
Version: $(expected dxflib)
Libs: -L\${libdir} -ldxflib
Cflags: -I\${includedir}
PC
}

part_qtbase() {
    local source
    source=$(source_of qt6-base qtbase)
    # With Direct2D off, the Windows print engine and platform must not reach for the DirectWrite
    # font engine either: fonts go through the system's older font path.
    local file
    for file in src/plugins/platforms/windows/qwindowsintegration.cpp \
        src/plugins/platforms/windows/qwindowsfontdatabase.cpp \
        src/printsupport/kernel/qprintengine_win.cpp; do
        [[ -f $source/$file ]] &&
            sed -i 's/QT_CONFIG(directwrite)\([^&]\)/QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)\1/' \
                "$source/$file"
    done
    cmake_part "$source" qtbase -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF \
        -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_wintab=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_gui=ON -DFEATURE_widgets=ON \
        -DFEATURE_printsupport=ON -DFEATURE_testlib=ON
}

for part in "${parts[@]}"; do
    started=$SECONDS
    "part_$part"
    echo "build-sdk: $part took $((SECONDS - started)) s"
done
# What the program ships beside it: MinGW's runtime.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
    cp "$(find /usr/lib/gcc/$triplet -path '*-posix/*' -name "$dll" | head -n1)" "$prefix/bin/"
done
cp "/usr/$triplet/lib/libwinpthread-1.dll" "$prefix/bin/"
