# Shared compile settings for every target of the project.
add_library(harbo_options INTERFACE)
target_compile_options(harbo_options INTERFACE -Wall -Wextra -Werror)
# GCC 12 reports -Wrestrict on std::string assignments in optimised builds where no
# overlap is possible (a known false positive of that release); later releases do not.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(harbo_options INTERFACE -Wno-restrict)
endif()
target_include_directories(harbo_options INTERFACE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)

if(HARBO_SANITIZE)
  target_compile_options(harbo_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(harbo_options INTERFACE -fsanitize=address,undefined)
endif()

# A fuzz build instruments every library for coverage, so libFuzzer sees our parsers.
if(HARBO_FUZZ)
  target_compile_options(harbo_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# harbo_sources(VAR folder...) collects the sources of the given folders.
function(harbo_sources out)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
