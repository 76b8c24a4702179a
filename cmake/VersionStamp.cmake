# The version and build number each program carries in its stamp strings. The release
# process sets these cache variables; nothing else names the numbers.
set(WHIRLEN_UI_VERSION "3.1.0" CACHE STRING "Version of whirlenUI (major.minor.patch)")
set(WHIRLEN_UI_BUILD "31" CACHE STRING "Build number of whirlenUI")
set(WHIRLEN_AGENT_VERSION "0.0.0" CACHE STRING
  "Version of PelvaneMultimediaController (major.minor.patch)")
set(WHIRLEN_AGENT_BUILD "0" CACHE STRING "Build number of PelvaneMultimediaController")

# _whirlen_stamp_digits(OUT NUMBER WHAT): NUMBER as the stamp's five digits.
function(_whirlen_stamp_digits out number what)
  if(NOT number MATCHES "^[0-9]+$" OR number GREATER 99999)
    message(FATAL_ERROR "${what}: \"${number}\" is not a number from 0 to 99999")
  endif()
  math(EXPR number "${number}")
  string(LENGTH "${number}" length)
  math(EXPR zeros "5 - ${length}")
  string(REPEAT "0" ${zeros} padding)
  set(${out} "${padding}${number}" PARENT_SCOPE)
endfunction()

# whirlen_version_stamp(TARGET VERSION BUILD): compiles the stamp strings of VERSION
# (major.minor.patch) and BUILD into TARGET, for shared/version/VersionStamp.h.
function(whirlen_version_stamp target version build)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "Version of ${target}: \"${version}\" is not major.minor.patch")
  endif()
  set(parts ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3})
  set(fields "")
  foreach(part IN LISTS parts)
    _whirlen_stamp_digits(digits "${part}" "Version of ${target}")
    list(APPEND fields "${digits}")
  endforeach()
  list(JOIN fields "." WHIRLEN_STAMP_VERSION)
  _whirlen_stamp_digits(WHIRLEN_STAMP_BUILD "${build}" "Build number of ${target}")
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_VersionStamp.cpp")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/VersionStamp.cpp.in" "${source}" @ONLY)
  target_sources(${target} PRIVATE "${source}")
endfunction()
