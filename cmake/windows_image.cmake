# fontpatch.exe, and the rules every Windows program of the project is linked
# with, so that the benchmark's no-op program is built the same way.
enable_language(RC)

# Statically linked: a bare Windows has no libstdc++, libgcc or winpthread
# DLL, and a DLL found beside a program run as Administrator is a planting
# risk. Header version 5.0; ASLR and DEP on; stripped, and no link timestamp,
# so that two builds of one commit are identical.
function(fontpatch_windows_program target)
  target_link_libraries(${target} PRIVATE fontpatch_warnings)
  target_link_options(${target} PRIVATE
    -static -municode -s
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,0
    -Wl,--major-os-version,5,--minor-os-version,0
    -Wl,--dynamicbase,--nxcompat
    -Wl,--no-insert-timestamp)
endfunction()

add_executable(fontpatch src/main_win32.cpp src/registry_win32.cpp
                         src/fontpatch.rc)
target_link_libraries(fontpatch PRIVATE fontpatch_core advapi32)
fontpatch_windows_program(fontpatch)
set_source_files_properties(src/fontpatch.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/fontpatch.manifest)

add_executable(noop bench/noop_main.cpp)
fontpatch_windows_program(noop)
