# Size settings for the two shipped programs and the libraries linked into them (MinGW).
#
# vantrel_small_code(target): unused functions and data dropped at link time, symbols
# stripped outside Debug, no exceptions or RTTI (the programs use neither). On i686 no unwind
# tables either (they were 14.8 KiB of Install.exe's 91): only exceptions read them there.
# x86_64 Windows walks the stack through .pdata and .xdata itself, and its calling convention
# requires them for every function that calls another, so they stay.
# In MinSizeRel and Release the programs are optimised across files at link time: besides
# inlining across files, that drops the file names, function names and conditions that every
# bounds check passes to its failure handler, which SmallRuntime.cpp's never reads (7 to 8 KiB
# of each program). The libraries hold machine code beside GCC's intermediate code, for the
# test programs, which link without that step (tests/CMakeLists.txt).
# _GLIBCXX_ASSERTIONS turns on the C++ library's bounds checks; it also switches off the
# library's extern templates, so std::string and std::wstring are built from the members in
# use instead of linking the runtime's prebuilt copy whole (about 80 KiB with its exception
# paths).
#
# vantrel_small_program(target): the above, plus the runtime replacements that keep the C++
# library's exception machinery out of the executable (platform/win32/runtime); on i686 the
# prebuilt runtime objects' unwind tables are dropped at link time too (NoUnwindTables.ld).
# The program's header gets no time stamp (0 instead of the time of the link), so that the same
# sources and tools give the same bytes; its checksum then follows from those bytes alone.
function(vantrel_small_code target)
  if(MINGW)
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections
      $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
    target_compile_definitions(${target} PRIVATE _GLIBCXX_ASSERTIONS)
    set_target_properties(${target} PROPERTIES
      INTERPROCEDURAL_OPTIMIZATION_MINSIZEREL ON INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
    target_compile_options(${target} PRIVATE $<$<CONFIG:MinSizeRel,Release>:-ffat-lto-objects>)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables -fno-unwind-tables)
    endif()
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /O1 /GR-)
  endif()
endfunction()

function(vantrel_small_program target)
  vantrel_small_code(${target})
  if(MINGW)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/win32/runtime/SmallRuntime.cpp)
    target_link_options(${target} PRIVATE -municode -Wl,--gc-sections -Wl,--no-insert-timestamp
      $<$<NOT:$<CONFIG:Debug>>:-s> -Wl,-Map=$<TARGET_FILE:${target}>.map)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(script ${PROJECT_SOURCE_DIR}/cmake/NoUnwindTables.ld)
      target_link_options(${target} PRIVATE -Wl,-T,${script})
      set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
    endif()
    # The link map tells which members of the C++ library were linked in, and for which
    # symbol: the check fails the build, naming the internal, when a toolchain change makes
    # one of the replacements miss and the library's exception machinery comes back.
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -DMAP=$<TARGET_FILE:${target}>.map
        -DPROGRAM=$<TARGET_FILE_NAME:${target}>
        -P ${PROJECT_SOURCE_DIR}/cmake/CheckSmallRuntime.cmake
      VERBATIM)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /Brepro)
    target_link_options(${target} PRIVATE /Brepro)
  endif()
endfunction()
