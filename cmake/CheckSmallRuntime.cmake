# cmake -DMAP=<link map> -DPROGRAM=<name> -P CheckSmallRuntime.cmake
# Fails when the link pulled in a member of the C++ library that SmallRuntime.cpp exists to
# keep out: its throw helpers, exception machinery, demangler or terminate handler. That
# happens when a new toolchain renames or adds one of the library's internal throw helpers,
# and the program silently grows by its exception support (well over 100 KiB). The message
# names the member and the symbol that pulled it in, so the replacement to add is plain.
file(READ "${MAP}" map)
string(FIND "${map}" "Archive member included to satisfy reference by file (symbol)" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PROGRAM}: the link map ${MAP} has no archive member list; cannot check "
    "that the C++ library's exception machinery stayed out")
endif()
string(FIND "${map}" "\nDiscarded input sections" end)
string(SUBSTRING "${map}" ${start} -1 map)
if(NOT end EQUAL -1)
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${map}" 0 ${length} map)
endif()
# Members of GCC's libstdc++ and libsupc++ that only exceptions and their reporting need.
set(forbidden functexcept eh_throw eh_alloc eh_personality eh_terminate vterminate
  cp-demangle snprintf_lite bad_alloc bad_cast bad_typeid stdexcept system_error cow-stdexcept)
string(REPLACE "\n" ";" lines "${map}")
set(member "")
set(problems "")
# A member stands at the start of a line; the next line, indented, names the file and the
# symbol that pulled it in: "<file> (<symbol>)".
foreach(line IN LISTS lines)
  if(line MATCHES "^[^ \t].*libstdc\\+\\+\\.a\\(([A-Za-z0-9_.+-]+)\\.o\\)")
    set(member "${CMAKE_MATCH_1}")
  elseif(NOT member STREQUAL "" AND line MATCHES "^[ \t]+[^ \t]+ \\((.*)\\)[ \t]*$")
    list(FIND forbidden "${member}" at)
    if(NOT at EQUAL -1)
      list(APPEND problems "  libstdc++ ${member}.o, linked for ${CMAKE_MATCH_1}")
    endif()
    set(member "")
  endif()
endforeach()
if(problems)
  list(JOIN problems "\n" problems)
  message(FATAL_ERROR "${PROGRAM}: the C++ library's exception machinery was linked in, so "
    "platform/win32/runtime/SmallRuntime.cpp no longer replaces every internal the program "
    "reaches (a toolchain change?). Add a replacement for the symbol named here:\n${problems}")
endif()
