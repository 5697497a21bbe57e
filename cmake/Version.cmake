# The product's version has one source, project() in CMakeLists.txt; everything else takes it
# from here:
# - VANTREL_VERSION_TEXT, what the user reads: the minor part in hundredths, 1.0 is "1.00";
# - VANTREL_VERSION_QUAD, what Windows reads (manifests): 1.0 is 1.0.0.0;
# - VantrelVersion.h in ${VANTREL_GENERATED_DIR}, both as numbers and as text, for the version
#   headers and resource scripts of both programs (through the target vantrel_generated);
# - the release zip's name (packaging/CMakeLists.txt).
# vantrel_embedded_manifest(<source> <name>) writes a program's manifest to
# ${VANTREL_GENERATED_DIR}/<name> for its resource script: the version filled in for
# @VANTREL_VERSION_QUAD@, and without the comments and indentation, which would be shipped
# bytes that only a reader of the source needs.
set(VANTREL_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)

foreach(part MAJOR MINOR PATCH TWEAK)
  set(VANTREL_VERSION_${part} "${PROJECT_VERSION_${part}}")
  if(VANTREL_VERSION_${part} STREQUAL "")
    set(VANTREL_VERSION_${part} 0)
  endif()
endforeach()
if(VANTREL_VERSION_MINOR GREATER 99)
  message(FATAL_ERROR "The version ${PROJECT_VERSION} has no two-digit text: its minor part "
    "counts hundredths (1.5 is \"1.05\"), so it stays below 100")
endif()
set(minor 0${VANTREL_VERSION_MINOR})
string(LENGTH "${minor}" length)
math(EXPR start "${length} - 2")
string(SUBSTRING "${minor}" ${start} 2 minor)
set(VANTREL_VERSION_TEXT ${VANTREL_VERSION_MAJOR}.${minor})
set(VANTREL_VERSION_QUAD
  ${VANTREL_VERSION_MAJOR}.${VANTREL_VERSION_MINOR}.${VANTREL_VERSION_PATCH}.${VANTREL_VERSION_TWEAK})
unset(minor)
unset(length)
unset(start)

configure_file(${CMAKE_CURRENT_LIST_DIR}/VantrelVersion.h.in
  ${VANTREL_GENERATED_DIR}/VantrelVersion.h @ONLY)
add_library(vantrel_generated INTERFACE)
target_include_directories(vantrel_generated INTERFACE ${VANTREL_GENERATED_DIR})

function(vantrel_embedded_manifest source name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  string(CONFIGURE "${text}" text @ONLY)
  string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" text "${text}")
  string(REGEX REPLACE "[ \t]*\n[ \t\n]*" "\n" text "${text}")
  # Written only when it changed, so that a new configure does not rebuild the resources.
  set(output ${VANTREL_GENERATED_DIR}/${name})
  set(written "")
  if(EXISTS ${output})
    file(READ ${output} written)
  endif()
  if(NOT "${written}" STREQUAL "${text}")
    file(WRITE ${output} "${text}")
  endif()
endfunction()
