# Cross-building the Windows program with Debian's mingw-w64 (posix threads),
# statically linked so that no DLL needs to ship beside it:
#   cmake -S . -B build/win -G Ninja --toolchain cmake/mingw-w64.cmake
# The tests run under Wine through the cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(YRK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${YRK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${YRK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${YRK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${YRK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every function and datum in a section of its own, so that the link leaves
# out what nothing calls (a static library brings whole objects).
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")

# Wine in a prefix of the build's own, so a run never touches the user's.
set(YRK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the tests")
set(YRK_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "Wine's loader of 64-bit programs")
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEPREFIX=${YRK_WINEPREFIX} WINEDEBUG=-all ${YRK_WINE_LOADER})
