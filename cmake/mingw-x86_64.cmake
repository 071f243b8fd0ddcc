# Torvane's tests, benchmarks and a Torvane.exe for 64-bit Windows, for hosts that run no 32-bit
# x86 code, where only 64-bit Wine starts. The shipped program stays 32-bit: this build still
# makes it (and its installer and zip) with mingw-i686-win32.cmake, for the import audits.
set(TORVANE_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
