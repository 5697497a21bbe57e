#!/usr/bin/env bash
# Runs cppcheck over our sources, host and Windows code alike (cppcheck needs no system
# headers), with the suppressions in scripts/checks/cppcheck-suppressions.txt.
set -euo pipefail
cd "$(dirname "$0")/../.."
mapfile -t files < <(scripts/checks/sources.sh | grep '\.cpp$')
cppcheck --quiet --error-exitcode=1 --inline-suppr \
  --std=c++17 --language=c++ --platform=win32W -j "${VANTREL_JOBS:-2}" \
  --enable=warning,performance,portability --library=windows --library=googletest \
  --suppressions-list=scripts/checks/cppcheck-suppressions.txt \
  -I . -D_WIN32 -DUNICODE -D_UNICODE \
  "${files[@]}"
echo "cppcheck: ${#files[@]} files checked"
