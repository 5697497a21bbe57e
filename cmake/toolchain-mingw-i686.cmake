# Cross-compiles for 32-bit Windows with MinGW-w64; the tests run under 32-bit Wine and are
# skipped where this machine cannot start it.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
