# What every build of the project shares: the language, the warnings and the
# portable core. Included by the top-level project and by the Windows-side
# test programs' project (tests/windows).
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(FONTFIX_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(FONTFIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

get_filename_component(fontfix_source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(WIN32)
  # No build folder may leak into a shipped image.
  add_compile_options(-ffile-prefix-map=${fontfix_source_dir}/=
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
endif()

# The project's own code builds warning-free; third-party code is left alone.
add_library(fontfix_warnings INTERFACE)
target_compile_options(fontfix_warnings INTERFACE -Wall -Wextra -Werror)

# The run and the font table: the same code on every platform.
add_library(fontfix_core STATIC ${fontfix_source_dir}/src/font_table.cpp
                                ${fontfix_source_dir}/src/patch_run.cpp)
target_include_directories(fontfix_core PUBLIC ${fontfix_source_dir}/src)
target_link_libraries(fontfix_core PRIVATE fontfix_warnings)
