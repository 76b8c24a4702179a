# Compiler settings shared by every target of the project. Targets opt in with
# whirlen_target_defaults(); third-party code never sees these warning flags.
add_library(whirlen_options INTERFACE)
target_compile_options(whirlen_options INTERFACE -Wall -Wextra -Wpedantic)

if(WHIRLEN_SANITIZE)
  string(REPLACE "," ";" _sanitizers "${WHIRLEN_SANITIZE}")
  foreach(_s IN LISTS _sanitizers)
    add_compile_options(-fsanitize=${_s})
    add_link_options(-fsanitize=${_s})
  endforeach()
  # A sanitizer report must fail the run, never scroll past as a warning.
  add_compile_options(-fno-omit-frame-pointer -fno-sanitize-recover=all)
endif()

function(whirlen_target_defaults target)
  target_link_libraries(${target} PRIVATE whirlen_options)
endfunction()

if(WHIRLEN_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "WHIRLEN_BUILD_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  # Coverage instrumentation everywhere; only the fuzz targets link the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
