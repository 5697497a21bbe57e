#!/usr/bin/env bash
# Lists the project's own C++ sources and headers, one per line, relative to the top of the
# tree: everything under the source folders, nothing from build trees or third parties.
set -euo pipefail
cd "$(dirname "$0")/../.."
folders=()
for folder in app bench companion dialog platform support tests; do
  [ -d "$folder" ] && folders+=("$folder")
done
find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort
