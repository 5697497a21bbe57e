#!/usr/bin/env bash
# Fails when a source file differs from what clang-format makes of it with the repository's
# .clang-format; prints the places that differ.
set -euo pipefail
cd "$(dirname "$0")/../.."
mapfile -t files < <(scripts/checks/sources.sh)
clang-format --dry-run -Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted as .clang-format asks"
