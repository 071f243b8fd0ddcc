# The program users get: Debian's MinGW-w64 with the win32 thread model. It links no posix-threads
# runtime, whose imports (GetTickCount64, vectored exception handlers...) Windows 95, 98, ME, NT 4
# and 2000 lack. GoogleTest does not build with it, so it builds the program only.
set(TORVANE_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
