# vantrel_small_code(target): compile and link a product target for size with MinGW. Unused
# functions and data are dropped at link time, symbols stripped outside Debug; no exceptions
# or RTTI (the program uses neither).
function(vantrel_small_code target)
  if(NOT MINGW)
    return()
  endif()
  target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
  # Up to C++17 libstdc++ declares std::string and std::wstring as extern templates, so
  # every program links its prebuilt instantiations whole, with their exception paths (about
  # 80 KiB). Compiled as C++20 only the members in use are instantiated. The sources stay
  # C++17: the tests and the other compilers build them as such.
  set_property(TARGET ${target} PROPERTY CXX_STANDARD 20)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE -Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
  endif()
endfunction()
