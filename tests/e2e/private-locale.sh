#!/usr/bin/env bash
# Compiles a locale that Debian ships only as a source into a directory of its own, for LOCPATH:
#   private-locale.sh DIR NAME    makes DIR/NAME.UTF-8 (hi_IN: DIR/hi_IN.UTF-8)
# Does nothing when it is there already. Needs Debian's locales package (its sources) and
# localedef.
set -euo pipefail
dir=$1 name=$2
target=$dir/$name.UTF-8
if [ ! -f "$target/LC_CTYPE" ]; then
  mkdir -p "$dir"
  rm -rf "$target.new"
  # localedef ends with 1 after mere warnings; what counts is the locale it wrote.
  localedef -i "$name" -f UTF-8 "$target.new" || [ -f "$target.new/LC_CTYPE" ] || {
    echo "private-locale.sh: localedef could not compile $name.UTF-8" >&2
    exit 1
  }
  rm -rf "$target"
  mv "$target.new" "$target"
fi
echo "Locale $name.UTF-8 in $dir"
