# Cross-compiling Torvane for 32-bit Windows with Debian's MinGW-w64. This toolchain uses the
# posix threads variant, which GoogleTest needs; the test build then builds the program users get
# with mingw-i686-win32.cmake, which sets TORVANE_MINGW_THREADS to win32 before including this.
# mingw-x86_64.cmake sets TORVANE_ARCH to x64 before including this, for hosts that run no
# 32-bit code.
set(CMAKE_SYSTEM_NAME Windows)

if(NOT TORVANE_ARCH)
    set(TORVANE_ARCH x86)
endif()
if(NOT TORVANE_MINGW_THREADS)
    set(TORVANE_MINGW_THREADS posix)
endif()
if(TORVANE_ARCH STREQUAL "x64")
    set(CMAKE_SYSTEM_PROCESSOR x86_64)
    set(TORVANE_MINGW_PREFIX x86_64-w64-mingw32)
else()
    set(CMAKE_SYSTEM_PROCESSOR i686)
    set(TORVANE_MINGW_PREFIX i686-w64-mingw32)
endif()
set(CMAKE_C_COMPILER ${TORVANE_MINGW_PREFIX}-gcc-${TORVANE_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TORVANE_MINGW_PREFIX}-g++-${TORVANE_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TORVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine; the wrapper sets up the environment of the test prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
