# Windows test binaries run under Wine through the toolchain's emulator (wine-run.sh).
# Every ctest run starts one session: a fresh prefix under the build tree and, without
# $DISPLAY, its own Xvfb display; the session ends when the run does.
set(VANTREL_WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)
set(VANTREL_WINE_SESSION ${CMAKE_CURRENT_LIST_DIR}/session.sh)

add_test(NAME wine_session_start
  COMMAND ${VANTREL_WINE_SESSION} start ${CMAKE_SYSTEM_PROCESSOR} ${VANTREL_WINE_STATE})
add_test(NAME wine_session_stop
  COMMAND ${VANTREL_WINE_SESSION} stop ${CMAKE_SYSTEM_PROCESSOR} ${VANTREL_WINE_STATE})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine SKIP_RETURN_CODE 77
  TIMEOUT 180)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine SKIP_RETURN_CODE 77)

# vantrel_add_wine_test(NAME target [ARGS...]): runs target under Wine in the session.
function(vantrel_add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    SKIP_RETURN_CODE 77
    TIMEOUT 150
    ENVIRONMENT "VANTREL_WINE_STATE=${VANTREL_WINE_STATE}")
endfunction()

# vantrel_add_wine_script(NAME script [ARGS...]): a host-side script that drives Windows
# programs itself (sourcing wine-env.sh with the architecture it is given).
function(vantrel_add_wine_script name script)
  add_test(NAME ${name} COMMAND ${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    SKIP_RETURN_CODE 77
    TIMEOUT 150
    ENVIRONMENT "VANTREL_WINE_STATE=${VANTREL_WINE_STATE};VANTREL_ARCH=${CMAKE_SYSTEM_PROCESSOR}")
endfunction()
