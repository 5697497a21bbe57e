#!/usr/bin/env bash
# Lays out the setup as a user finds it: the two programs and the settings file side by side.
#   stage.sh --program Install.exe --companion Vantrel.Dll --dir DIR [--strip STRIP]
#            [--notes --version TEXT]
# The settings file is written as settings-file.sh writes it (UTF-16LE with a byte-order mark,
# read alike under every code page). --strip drops the programs' symbols with the given strip
# tool; --notes adds the user notes, with the version TEXT for @VANTREL_VERSION@: the Japanese
# ones in code page 932, the English ones in UTF-8 with a byte-order mark, so that their
# Japanese menu names show on any Windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

program='' companion='' dir='' strip='' notes=0 version=''
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2; shift 2 ;;
    --companion) companion=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --strip) strip=$2; shift 2 ;;
    --notes) notes=1; shift ;;
    --version) version=$2; shift 2 ;;
    *) echo "stage.sh: unknown argument '$1'" >&2; exit 2 ;;
  esac
done

fail() { echo "stage.sh: $*" >&2; exit 1; }
[ -n "$program" ] && [ -n "$companion" ] && [ -n "$dir" ] ||
  fail "usage: stage.sh --program Install.exe --companion Vantrel.Dll --dir DIR [--strip STRIP] [--notes --version TEXT]"
[ "$notes" = 0 ] || [ -n "$version" ] || fail "--notes needs the --version the notes name"
[ -f "$program" ] || fail "the setup program '$program' has not been built (target Install)"
[ -f "$companion" ] || fail "the companion '$companion' has not been built (target vantrel_companion)"

to_cp932_crlf() { iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' > "$2"; }
with_version() { sed "s/@VANTREL_VERSION@/$version/g" "$1"; }

mkdir -p "$dir"
cp "$program" "$dir/Install.exe"
cp "$companion" "$dir/Vantrel.Dll"
if [ -n "$strip" ]; then
  # -p keeps the programs' header time stamp (none) instead of writing the time of the strip.
  "$strip" -p --strip-all "$dir/Install.exe" "$dir/Vantrel.Dll"
fi
"$here/settings-file.sh" "$here/Install.ini.utf8" "$dir/Install.ini"
if [ "$notes" = 1 ]; then
  with_version "$here/読んでください.txt" | to_cp932_crlf - "$dir/読んでください.txt"
  { printf '\xef\xbb\xbf'; with_version "$here/README.txt" | sed 's/$/\r/'; } > "$dir/README.txt"
fi
