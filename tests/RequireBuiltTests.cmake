# vantrel_require_built_tests(): fails the configure step when a test source of the calling
# folder (*Test.cpp, *Tests.cpp, *_test.cpp) is in none of the folder's targets, whose cases
# would otherwise never run without anyone noticing. Called at the end of a folder's
# CMakeLists.txt that lists its test sources by hand.
function(vantrel_require_built_tests)
  file(GLOB candidates CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*Tests.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  get_property(targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
  set(built "")
  foreach(target IN LISTS targets)
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
      get_filename_component(source "${source}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
      list(APPEND built "${source}")
    endforeach()
  endforeach()
  foreach(candidate IN LISTS candidates)
    if(NOT candidate IN_LIST built)
      file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${candidate})
      file(RELATIVE_PATH list ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_FILE})
      message(FATAL_ERROR "${name} is in none of the test programs, so its cases would never "
        "run: add it to one in ${list}")
    endif()
  endforeach()
endfunction()
