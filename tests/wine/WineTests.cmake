# Windows test binaries run under Wine through the toolchain's emulator (wine-run.sh).
# Every ctest run starts one session: a fresh prefix of a 64-bit Windows under the build tree
# and, without $DISPLAY, its own Xvfb display; the session ends when the run does. The i686
# programs run there under WoW64, as they do on nearly every Windows in use. The i686 tree also
# starts a second session, a 32-bit Windows, for the tests that ask for it (the release test).
set(VANTREL_WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)
set(VANTREL_WINE_STATE_WIN32 ${CMAKE_BINARY_DIR}/wine-session-win32)
set(VANTREL_WINE_SESSION ${CMAKE_CURRENT_LIST_DIR}/session.sh)

# vantrel_add_wine_session(FIXTURE STATE_DIR WINDOWS): the start and stop of one session.
function(vantrel_add_wine_session fixture state windows)
  add_test(NAME ${fixture}_session_start
    COMMAND ${VANTREL_WINE_SESSION} start ${CMAKE_SYSTEM_PROCESSOR} ${state} ${windows})
  add_test(NAME ${fixture}_session_stop
    COMMAND ${VANTREL_WINE_SESSION} stop ${CMAKE_SYSTEM_PROCESSOR} ${state} ${windows})
  set_tests_properties(${fixture}_session_start PROPERTIES FIXTURES_SETUP ${fixture}
    SKIP_RETURN_CODE 77 TIMEOUT 180)
  set_tests_properties(${fixture}_session_stop PROPERTIES FIXTURES_CLEANUP ${fixture}
    SKIP_RETURN_CODE 77)
endfunction()
vantrel_add_wine_session(wine ${VANTREL_WINE_STATE} win64)

# vantrel_add_wine_test(NAME target [ARGS...]): runs target under Wine in the session.
function(vantrel_add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    SKIP_RETURN_CODE 77
    TIMEOUT 150
    ENVIRONMENT "VANTREL_WINE_STATE=${VANTREL_WINE_STATE};VANTREL_WINDOWS=win64")
endfunction()

# vantrel_add_wine_script(NAME script [ARGS...]): a host-side script that drives Windows
# programs itself (sourcing wine-env.sh with the architecture it is given).
function(vantrel_add_wine_script name script)
  add_test(NAME ${name} COMMAND ${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    SKIP_RETURN_CODE 77
    TIMEOUT 150
    ENVIRONMENT
      "VANTREL_WINE_STATE=${VANTREL_WINE_STATE};VANTREL_ARCH=${CMAKE_SYSTEM_PROCESSOR};VANTREL_WINDOWS=win64")
endfunction()

# vantrel_run_on_win32(NAME): moves the test NAME of the i686 tree into the 32-bit Windows
# session; the x86_64 tree has only the 64-bit one.
function(vantrel_run_on_win32 name)
  if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    return()
  endif()
  if(NOT TEST wine_win32_session_start)
    vantrel_add_wine_session(wine_win32 ${VANTREL_WINE_STATE_WIN32} win32)
  endif()
  get_test_property(${name} FIXTURES_REQUIRED fixtures)
  list(TRANSFORM fixtures REPLACE "^wine$" "wine_win32")
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED "${fixtures}"
    ENVIRONMENT
      "VANTREL_WINE_STATE=${VANTREL_WINE_STATE_WIN32};VANTREL_ARCH=${CMAKE_SYSTEM_PROCESSOR};VANTREL_WINDOWS=win32")
endfunction()
