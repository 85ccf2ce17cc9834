# fontfix.exe, and the rules every Windows program of the project is linked
# with, so that the benchmark's no-op programs are built the same way.
enable_language(RC)

# Statically linked: a bare Windows has no libstdc++ or libgcc DLL, and a DLL
# found beside a program run as Administrator is a planting risk. Header
# version 5.0; ASLR and DEP on; stripped, and no link timestamp, so that two
# builds of one commit are identical.
function(fontfix_windows_program target)
  target_link_libraries(${target} PRIVATE fontfix_warnings)
  target_link_options(${target} PRIVATE
    -static -municode -s
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,0
    -Wl,--major-os-version,5,--minor-os-version,0
    -Wl,--dynamicbase,--nxcompat
    -Wl,--no-insert-timestamp)
endfunction()

add_executable(fontfix src/main_win32.cpp src/registry_win32.cpp
                       src/fontfix.rc)
target_link_libraries(fontfix PRIVATE fontfix_core advapi32)
fontfix_windows_program(fontfix)
set_source_files_properties(src/fontfix.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/fontfix.manifest)

# The benchmark's floors: starting a process, and starting one that loads
# advapi32 as every program that writes the registry must.
add_executable(noop bench/noop_main.cpp)
fontfix_windows_program(noop)
add_executable(noop_advapi32 bench/noop_advapi32_main.cpp)
target_link_libraries(noop_advapi32 PRIVATE advapi32)
fontfix_windows_program(noop_advapi32)
