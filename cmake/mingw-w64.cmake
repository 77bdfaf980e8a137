# Cross-builds the measurement and pattern core for 64-bit Windows with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix) and runs its tests under Wine.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime, so that Wine needs no MinGW DLLs beside the test programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Test discovery and CTest start the programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
