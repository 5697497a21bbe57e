#!/usr/bin/env bash
# Runs every native test program of a build tree without sanitizers (the native-plain
# preset) under valgrind's memcheck: valgrind.sh BUILD_TREE
# Each program runs once with all its cases; any memory error or definite leak fails it.
set -euo pipefail
tree=${1:?usage: valgrind.sh BUILD_TREE}
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t programs < <(ctest --test-dir "$tree" --show-only=json-v1 | python3 -c '
import json, sys
tests = json.load(sys.stdin)["tests"]
print("\n".join(sorted({t["command"][0] for t in tests if t.get("command")})))')
[ "${#programs[@]}" -gt 0 ] || { echo "valgrind.sh: no test programs in $tree" >&2; exit 1; }
failed=0
for program in "${programs[@]}"; do
  log=$program.valgrind.log
  if valgrind --quiet --error-exitcode=99 --leak-check=full \
      --errors-for-leak-kinds=definite,indirect --suppressions="$here/valgrind.supp" \
      "$program" --gtest_brief=1 > "$log" 2>&1; then
    echo "valgrind: $(basename "$program") clean"
  else
    echo "valgrind: $(basename "$program") FAILED; the start of $log:"
    head -n 80 "$log"
    failed=1
  fi
done
exit "$failed"
