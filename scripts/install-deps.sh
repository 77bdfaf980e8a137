#!/usr/bin/env bash
# Installs from Debian's archive whatever is still missing to build, run and test Tavrel.
# Safe to run again: with everything present it changes nothing and asks for nothing.
#   install-deps.sh                 what the program and its tests need
#   install-deps.sh --windows-core  the MinGW-w64 cross compiler and Wine for the core's tests
#   install-deps.sh --windows       the whole Windows program: cross-building it and its SDK,
#                                   testing it under Wine, its installer
#   install-deps.sh --web           the browser version: emscripten, node, Chromium
set -euo pipefail

packages=(
    # Building the program and its benchmarks
    cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev libpng-dev
    # Translations: lupdate and lrelease with their CMake functions, and Qt's own translations
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    # End-to-end tests: a virtual screen, real X input and its keymap, screenshots, reading PDF
    # pages
    xvfb xauth xdotool x11-xkb-utils imagemagick poppler-utils
    # Another program holding text in the X selections, for the paste tests
    xclip
    # Reading the program as a screen reader does: the accessibility bus on a D-Bus session of
    # the test's own, its Python client, a window manager, and X's window properties
    at-spi2-core dbus python3-pyatspi openbox x11-utils
    # A replaced export keeps its access list: the test sets and reads one
    acl
    # The sources of the locales the tests compile, to run the program where decimals take a comma
    locales
    # Printing tests go through a real spooler with a PDF printer
    cups printer-driver-cups-pdf
    # The calibration test's queue shrinks its pages by 2 % with Ghostscript
    ghostscript
    # Print jobs go to the spooler through its own library; qpdf marks PDFs for actual size
    libcups2-dev libqpdf-dev
    # The DXF export, and independent readers of the DXF and SVG files in the tests
    libdxflib-dev python3-ezdxf librsvg2-bin
    # Peak memory of a whole run
    time
    # The help file's compiler
    fp-utils
    # Installing and packaging: validating the desktop files, the Debian package, the manual
    desktop-file-utils appstream dpkg-dev man-db
    # Fuzzing the measurement and pattern core and the help file reader: clang with libFuzzer
    clang libclang-rt-14-dev
    # Checking the Debian package against Debian's policy
    lintian
)
if [[ ${1:-} == --windows-core ]]; then
    # The core's tests built for Windows, with GoogleTest from its sources, run under Wine
    packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
if [[ ${1:-} == --web ]]; then
    packages=(
        # The core compiled to WebAssembly, with fast_float's from_chars for double, which
        # emscripten's libc++ lacks, and GoogleTest from its sources; ccache keeps rebuilds short
        cmake ninja-build emscripten libfast-float-dev googletest ccache
        # Running the compiled tests, and the page's tests in a real browser
        nodejs npm chromium
    )
fi
if [[ ${1:-} == --windows ]]; then
    packages=(
        cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 ccache
        # The SDK from Debian's sources, with Debian's Qt tools (moc, rcc, uic, lrelease) on the host
        dpkg-dev pkgconf xz-utils qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev-tools
        # The guide, compiled on the host
        fp-utils
        # Tests under Wine: fonts for Qt's offscreen platform, a virtual screen with real input,
        # reading PDF pages, the print spooler with a PDF printer
        fonts-dejavu-core xvfb xauth xdotool imagemagick poppler-utils cups printer-driver-cups-pdf
        # The installer, the portable archive and the program's icon; reading the installer's
        # icon and its shortcut back
        nsis zip icoutils binutils
    )
fi

# A name that an installed package provides counts as installed: a nodejs that carries its own
# npm refuses Debian's npm beside it.
provided=" $(dpkg-query -W -f='${db:Status-Status} ${Provides}\n' | sed -n 's/^installed //p' |
    sed 's/ *([^)]*)//g' | tr ',\n' '  ') "
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed || $provided == *" $package "* ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} packages are installed"
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: need root to install: ${missing[*]} (run as root or install sudo)" >&2
        exit 1
    fi
    as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600)
"${apt_get[@]}" update
"${apt_get[@]}" install "${missing[@]}"
