# Cross-builds the Windows program with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix,
# mingw-w64-tools). Everything links statically, so the .exe needs no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEH_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VEH_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEH_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VEH_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VEH_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The tests, and CTest's discovery of them, run under Wine through a wrapper that runs wine64 in
# a prefix kept inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
