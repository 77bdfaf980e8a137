# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads) against the Windows SDK
# that scripts/windows/build-sdk.sh makes: Qt and the libraries in TAVREL_WINDOWS_SDK (the cache
# variable or the environment's), Qt's host tools (moc, rcc, uic, lrelease) from Debian's Qt.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-sdk.cmake \
#       -DTAVREL_WINDOWS_SDK=/path/to/sdk
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT TAVREL_WINDOWS_SDK AND DEFINED ENV{TAVREL_WINDOWS_SDK})
  set(TAVREL_WINDOWS_SDK "$ENV{TAVREL_WINDOWS_SDK}")
endif()
if(NOT TAVREL_WINDOWS_SDK)
  message(FATAL_ERROR "Set TAVREL_WINDOWS_SDK to the Windows SDK (scripts/windows/build-sdk.sh)")
endif()
set(TAVREL_WINDOWS_SDK "${TAVREL_WINDOWS_SDK}" CACHE PATH "The Windows SDK: Qt and the libraries")
# Compiler checks run in projects of their own, which need the SDK too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVREL_WINDOWS_SDK)

set(CMAKE_FIND_ROOT_PATH "${TAVREL_WINDOWS_SDK}" /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
list(APPEND CMAKE_PREFIX_PATH "${TAVREL_WINDOWS_SDK}")

# pkg-config sees only the SDK's packages, wherever the SDK was built: each package's prefix is
# taken from where its file is.
set(ENV{PKG_CONFIG_LIBDIR} "${TAVREL_WINDOWS_SDK}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --define-prefix)

set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt, whose moc, rcc, uic and lrelease run here")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Debian's Qt's CMake packages")

# Test discovery and CTest start the programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
