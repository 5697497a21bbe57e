#!/usr/bin/env bash
# Builds the release zip from the two programs and the user files beside this script:
#   make-zip.sh --program Install.exe --companion Vantrel.Dll --output Vantrel-1.00-win32.zip
#               [--strip i686-w64-mingw32-strip]
# With --strip the programs go in without their symbols, whatever the build kept.
# The settings file and the Japanese notes go in as code page 932 with CRLF line ends, which
# is what the setup's profile reader and a Japanese Notepad expect; the English notes as
# UTF-8 with a byte-order mark, so that their Japanese menu names show on any Windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

program='' companion='' output='' strip=''
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2; shift 2 ;;
    --companion) companion=$2; shift 2 ;;
    --output) output=$2; shift 2 ;;
    --strip) strip=$2; shift 2 ;;
    *) echo "make-zip.sh: unknown argument '$1'" >&2; exit 2 ;;
  esac
done

fail() { echo "make-zip.sh: $*" >&2; exit 1; }
[ -n "$program" ] && [ -n "$companion" ] && [ -n "$output" ] ||
  fail "usage: make-zip.sh --program Install.exe --companion Vantrel.Dll --output ZIP"
[ -f "$program" ] || fail "the setup program '$program' has not been built (target Install)"
[ -f "$companion" ] || fail "the companion '$companion' has not been built (target vantrel_companion)"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

to_cp932_crlf() { iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' > "$2"; }

cp "$program" "$stage/Install.exe"
cp "$companion" "$stage/Vantrel.Dll"
if [ -n "$strip" ]; then
  "$strip" --strip-all "$stage/Install.exe" "$stage/Vantrel.Dll"
fi
to_cp932_crlf "$here/Install.ini.utf8" "$stage/Install.ini"
to_cp932_crlf "$here/読んでください.txt" "$stage/読んでください.txt"
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$here/README.txt"; } > "$stage/README.txt"

# The same sources give the same zip: entries carry the time of the last commit (or
# SOURCE_DATE_EPOCH), not the time of the build.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || date +%s)}

mkdir -p "$(dirname "$output")"
rm -f "$output"
# Python's zipfile marks the Japanese file name as UTF-8 (general purpose bit 11), which
# Windows' own zip folders and the usual archivers read; Debian's zip cannot set that bit.
python3 - "$stage" "$output" "$epoch" <<'PY'
import sys, time, zipfile
stage, output, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
names = ["Install.exe", "Vantrel.Dll", "Install.ini", "読んでください.txt", "README.txt"]
with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for name in names:
        info = zipfile.ZipInfo(name, stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(f"{stage}/{name}", "rb") as source:
            archive.writestr(info, source.read())
PY
echo "Release: $output"
