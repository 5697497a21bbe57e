# cmake -DMAP=<link map> -DPROGRAM=<name> -P CheckSmallRuntime.cmake
# Fails when the link pulled in a member of the runtime libraries that the programs are built
# to keep out, each of which silently adds tens of KiB:
# - the C++ library's throw helpers, exception machinery, demangler or terminate handler, which
#   SmallRuntime.cpp replaces. They come back when a new toolchain renames or adds one of the
#   library's internal throw helpers (well over 100 KiB);
# - MinGW's own printf and its floating-point conversion (about 20 KiB), which any call of the
#   printf family brings, std::to_wstring and std::swprintf included; the programs write their
#   numbers with support/NumberText.h and companion/Details.cpp instead.
# The message names each member and the symbol that pulled it in, so the fix is plain.
cmake_minimum_required(VERSION 3.25)
file(READ "${MAP}" map)
string(FIND "${map}" "Archive member included to satisfy reference by file (symbol)" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PROGRAM}: the link map ${MAP} has no archive member list; cannot check "
    "that the runtime's exception machinery and printf stayed out")
endif()
string(FIND "${map}" "\nDiscarded input sections" end)
string(SUBSTRING "${map}" ${start} -1 map)
if(NOT end EQUAL -1)
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${map}" 0 ${length} map)
endif()
# Members of GCC's libstdc++ and libsupc++ that only exceptions and their reporting need.
set(exception_members functexcept eh_throw eh_alloc eh_personality eh_terminate vterminate
  cp-demangle snprintf_lite bad_alloc bad_cast bad_typeid stdexcept system_error cow-stdexcept)
# Members of MinGW's libmingwex: the printf family and its formatter (every member whose name
# holds "printf" or "pformat"), and the gdtoa conversion of floating-point numbers to digits.
set(conversion_members dtoa gdtoa g_dfmt g_ffmt g_xfmt g__fmt gethex gmisc hexnan misc dmisc
  smisc strtodg strtodnrp strtof strtopx sum ulp)
string(REPLACE "\n" ";" lines "${map}")
set(library "")
set(member "")
set(exceptions "")
set(conversions "")
# A member stands at the start of a line; the file and the symbol that pulled it in,
# "<file> (<symbol>)", follow on the same line or, indented, on the next. A file optimised at
# link time is "<file> (symbol from plugin) (<symbol>)".
set(reference_pattern "([^ \t]+)( \\(symbol from plugin\\))? \\((.*)\\)[ \t]*$")
foreach(line IN LISTS lines)
  set(reference "")
  if(line MATCHES "^[^ \t].*(libstdc\\+\\+|libmingwex)\\.a\\(([A-Za-z0-9_.+-]+)\\.o\\)(.*)$")
    set(library "${CMAKE_MATCH_1}")
    set(member "${CMAKE_MATCH_2}")
    set(rest "${CMAKE_MATCH_3}")
    string(REGEX REPLACE "^lib(32|64)_libmingwex_a-" "" member "${member}")
    if(rest MATCHES "^[ \t]+${reference_pattern}")
      set(reference "${CMAKE_MATCH_1};${CMAKE_MATCH_3}")
    endif()
  elseif(NOT member STREQUAL "" AND line MATCHES "^[ \t]+${reference_pattern}")
    set(reference "${CMAKE_MATCH_1};${CMAKE_MATCH_3}")
  elseif(NOT line MATCHES "^[ \t]")
    set(member "")
  endif()
  if(NOT reference STREQUAL "")
    list(GET reference 0 file)
    list(GET reference 1 symbol)
    string(REGEX REPLACE "^.*/" "" file "${file}")
    string(REGEX REPLACE "lib(32|64)_libmingwex_a-" "" file "${file}")
    set(found "  ${library} ${member}.o, linked for ${symbol} from ${file}")
    if(library STREQUAL "libstdc++")
      if("${member}" IN_LIST exception_members)
        list(APPEND exceptions "${found}")
      endif()
    elseif(member MATCHES "printf|pformat" OR "${member}" IN_LIST conversion_members)
      list(APPEND conversions "${found}")
    endif()
    set(member "")
  endif()
endforeach()
set(failures "")
if(exceptions)
  list(JOIN exceptions "\n" exceptions)
  string(APPEND failures "the C++ library's exception machinery was linked in, so "
    "platform/win32/runtime/SmallRuntime.cpp no longer replaces every internal the program "
    "reaches (a toolchain change?). Add a replacement for the symbol named here:\n${exceptions}\n")
endif()
if(conversions)
  list(JOIN conversions "\n" conversions)
  string(APPEND failures "MinGW's printf or its floating-point conversion was linked in (about "
    "20 KiB): a call of the printf family (std::to_wstring and std::swprintf among them) reached "
    "it. Write the number with the programs' own digits instead (support/NumberText.h in the "
    "setup, companion/Details.cpp in the companion); the first line names the call:\n"
    "${conversions}\n")
endif()
if(failures)
  message(FATAL_ERROR "${PROGRAM}: ${failures}")
endif()
