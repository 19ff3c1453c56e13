# Compiler and linker flags shared by every target of the project.
#
# Sources are UTF-8; every narrow string literal becomes GBK bytes, the system's own encoding.
# Warnings are errors on both builds.

add_compile_options(-Wall -Wextra -Wpedantic -Werror -Wshadow -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)
  # GCC 12 reports impossible overlaps inside std::string's inlined copies at -O3 (a known
  # false positive of -Wrestrict); that warning is off on GCC 12.
  if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
  endif()
else()
  # Clang has no -fexec-charset=GBK. Only the fuzz build uses clang, and it compiles just the
  # decoders of the common library, whose logic does not depend on the bytes of GBK literals.
  add_compile_options(-Wno-gnu-zero-variadic-macro-arguments)
endif()

if(WIN32)
  # Windows 7 API level; no Unicode macros: the code names the W functions it calls.
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)
  # Everything static so the DLLs and programs import system DLLs only.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(QUILLON_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=${QUILLON_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QUILLON_SANITIZE})
endif()

# quillon_plugin_library(<target> <output name> <version script> sources...)
# A shared library that exports only the names listed in the version script (Linux) or the
# undecorated stdcall exports (Windows: --kill-at strips the @N suffix).
function(quillon_plugin_library target output_name version_script)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "${output_name}"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  else()
    target_link_options(${target} PRIVATE "-Wl,--version-script=${version_script}" -Wl,--no-undefined)
    set_target_properties(${target} PROPERTIES LINK_DEPENDS "${version_script}")
  endif()
endfunction()
