# The Windows-side test programs. GoogleTest needs std::mutex, which only the
# posix thread model of Debian's MinGW GCC has. Never used for fontfix.exe.
set(fontfix_mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
