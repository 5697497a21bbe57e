#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over one build tree's compile database:
#   tidy.sh host BUILD_TREE      the logic, the fakes, the companion's logic, the native tests
#   tidy.sh windows BUILD_TREE   the Win32 code, from an x86_64 MinGW tree; clang parses it
#                                for the MinGW target with the cross compiler's C++ headers
# Test files skip the static analyzer (through GoogleTest's macros it costs a minute a file
# and finds nothing that the sanitizers and valgrind do not) and the performance checks: a
# test is read for its faults, not its speed.
# platform/win32/runtime is left out: it replaces parts of GCC's C++ library on purpose, under
# the library's own reserved names and in namespace std.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
side=${1:-} tree=${2:-}
[ -n "$tree" ] || { echo "usage: tidy.sh host|windows BUILD_TREE" >&2; exit 2; }
jobs=${VANTREL_JOBS:-2}
extra=()

case "$side" in
  host)
    product="^$root/(dialog|support|platform/fake|companion/[^/]+)\.cpp$"
    tests="^$root/tests/native/.*\.cpp$" ;;
  windows)
    product="^$root/(app/|bench/|platform/win32/(?!runtime/)|companion/win32/).*\.cpp$"
    tests="^$root/tests/(wine|e2e|release)/.*\.cpp$"
    # clang reads GCC's link-time optimisation flags of the MinGW tree, without using them.
    extra=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-Wno-ignored-optimization-argument)
    while read -r dir; do
      case "$dir" in */include-fixed | */gcc/*/include) continue ;; esac
      extra+=("-extra-arg=-isystem$(realpath "$dir")")
    done < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v - < /dev/null 2>&1 |
      sed -n '/^#include <...>/,/^End of search/{s/^ //p}') ;;
  *) echo "usage: tidy.sh host|windows BUILD_TREE" >&2; exit 2 ;;
esac

tidy() {  # tidy FILE_REGEX [run-clang-tidy options...]; prints only the findings
  local files=$1
  shift
  run-clang-tidy -quiet -j "$jobs" -p "$tree" "${extra[@]}" "$@" "$files" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' |
    grep -v -E '^(Running clang-tidy|[0-9]+ warnings?( and [0-9]+ errors?)? generated|Suppressed [0-9]+ warnings|Use -header-filter|clang-tidy(-[0-9]+)? |Error while processing)'
  return "${PIPESTATUS[0]}"
}

status=0
tidy "$product" || status=1
tidy "$tests" '-checks=-clang-analyzer-*,-performance-*' || status=1
if [ "$status" -eq 0 ]; then
  echo "clang-tidy ($side): no findings"
else
  echo "clang-tidy ($side): findings above"
fi
exit "$status"
