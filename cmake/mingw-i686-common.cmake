# Cross-compiling for 32-bit Windows with Debian's MinGW-w64. Included by
# mingw-i686-win32.cmake and mingw-i686-posix.cmake, which set
# fontfix_mingw_threads to the thread model of the compilers to use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${fontfix_mingw_threads})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${fontfix_mingw_threads})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
