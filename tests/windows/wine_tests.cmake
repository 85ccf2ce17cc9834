# Tests of fontfix.exe as built by this (win32 thread model) build: checks of
# the image on the host, and the test programs run under Wine against it in
# a 32-bit and a 64-bit throwaway prefix under the build folder.
set(checks ${CMAKE_CURRENT_LIST_DIR})

# What a PE reader other than Windows' loader sees in the image.
add_test(NAME fontfix_image_objdump
  COMMAND ${checks}/check_image.sh $<TARGET_FILE:fontfix>)
# Every import against the reviewed list of functions Windows 2000 has.
add_test(NAME fontfix_imports
  COMMAND /usr/bin/python3 ${checks}/check_imports.py $<TARGET_FILE:fontfix>
          ${checks}/imports.txt)
# No name that Windows' installer detection would raise a UAC prompt for.
add_test(NAME fontfix_names
  COMMAND /usr/bin/python3 ${checks}/check_names.py $<TARGET_FILE:fontfix>
          ${CMAKE_SOURCE_DIR}/README.md
          ${CMAKE_SOURCE_DIR}/docs/deploying.md)
# tools/sign with a throwaway certificate: signed/fontfix.exe beside the
# unsigned one, which the Wine tests then run; and its errors.
add_test(NAME fontfix_signing
  COMMAND /usr/bin/python3 ${checks}/check_signing.py
          ${CMAKE_SOURCE_DIR} $<TARGET_FILE_DIR:fontfix>)
set_tests_properties(fontfix_signing PROPERTIES FIXTURES_SETUP fontfix_signed)
# Two builds from two source folders must give the same .exe, byte for byte;
# checked after signing, which must not have touched it.
add_test(NAME fontfix_reproducible
  COMMAND ${checks}/check_reproducible.sh
          ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/reproducible
          $<TARGET_FILE:fontfix>)
set_tests_properties(fontfix_reproducible PROPERTIES DEPENDS fontfix_signing)

# The test programs, built with the posix compilers into this build folder,
# beside the fontfix.exe they test.
include(ExternalProject)
ExternalProject_Add(wine_test_programs
  SOURCE_DIR ${checks}
  BINARY_DIR ${CMAKE_BINARY_DIR}/wine-test-programs
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686-posix.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_BINARY_DIR}
    -DFONTFIX_TEST_PREFIX_DIR=${CMAKE_BINARY_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
add_dependencies(wine_test_programs fontfix)

# Each prefix is made afresh for every test run. Tests that share a prefix
# share its registry, so they run one at a time. Where this machine cannot
# run Wine's 32-bit loader, they are reported as skipped, with the reason.
function(fontfix_wine_test name arch)
  add_test(NAME ${name}
    COMMAND ${checks}/wineprefix.sh run ${CMAKE_BINARY_DIR}/wineprefix-${arch}
            ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wineprefix-${arch}
    RESOURCE_LOCK wineprefix-${arch}
    SKIP_RETURN_CODE 77
    TIMEOUT 300)
endfunction()

foreach(arch win32 win64)
  set(prefix ${CMAKE_BINARY_DIR}/wineprefix-${arch})
  add_test(NAME wineprefix_${arch}_boot
    COMMAND ${checks}/wineprefix.sh boot ${prefix})
  add_test(NAME wineprefix_${arch}_stop
    COMMAND ${checks}/wineprefix.sh stop ${prefix})
  set_tests_properties(wineprefix_${arch}_boot PROPERTIES
    FIXTURES_SETUP wineprefix-${arch})
  set_tests_properties(wineprefix_${arch}_stop PROPERTIES
    FIXTURES_CLEANUP wineprefix-${arch})
  set_tests_properties(wineprefix_${arch}_boot wineprefix_${arch}_stop
    PROPERTIES RESOURCE_LOCK wineprefix-${arch} SKIP_RETURN_CODE 77)
  fontfix_wine_test(fontfix_exe_tests_${arch} ${arch}
                    ${CMAKE_BINARY_DIR}/fontfix_exe_tests.exe
                    --gtest_filter=-SignedCopyTest.*)
  fontfix_wine_test(fontfix_signed_exe_${arch} ${arch}
                    ${CMAKE_BINARY_DIR}/fontfix_exe_tests.exe
                    --gtest_filter=SignedCopyTest.*)
  set_property(TEST fontfix_signed_exe_${arch} APPEND
               PROPERTY FIXTURES_REQUIRED fontfix_signed)
endforeach()
fontfix_wine_test(fontfix_unit_tests_win32 win32
                  ${CMAKE_BINARY_DIR}/fontfix_unit_tests.exe)
