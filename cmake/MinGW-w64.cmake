# Cross-building the Windows edition on Debian with MinGW-w64 (posix threads
# model, GCC 12 on Debian 12):
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake
#
# Everything is linked statically: the program and the tests need no DLL
# but Windows' own. Tests run under Wine through CTest's emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VENTIL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VENTIL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VENTIL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VENTIL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VENTIL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libstdc++, libgcc or libwinpthread DLL beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(VENTIL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VENTIL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VENTIL_WINE})
endif()
