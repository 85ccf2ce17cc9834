# The shipped fontfix.exe. The win32 thread model links no winpthread, whose
# imports (GetTickCount64, AddVectoredExceptionHandler) Windows 2000 lacks.
set(fontfix_mingw_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
