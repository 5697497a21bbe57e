#!/usr/bin/env bash
# Builds the release zip from the two programs and the user files beside this script, and
# SHA256SUMS beside it (the zip's and the two programs' SHA-256, as sha256sum writes them):
#   make-zip.sh --program Install.exe --companion Vantrel.Dll --output Vantrel-1.00-win32.zip
#               --version 1.00 [--strip i686-w64-mingw32-strip]
# With --strip the programs go in without their symbols, whatever the build kept. The same
# sources and tools give the same bytes: see the time stamps below.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

program='' companion='' output='' version='' strip=()
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2; shift 2 ;;
    --companion) companion=$2; shift 2 ;;
    --output) output=$2; shift 2 ;;
    --version) version=$2; shift 2 ;;
    --strip) strip=(--strip "$2"); shift 2 ;;
    *) echo "make-zip.sh: unknown argument '$1'" >&2; exit 2 ;;
  esac
done
[ -n "$output" ] && [ -n "$version" ] ||
  { echo "make-zip.sh: --output ZIP and --version TEXT are required" >&2; exit 2; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$here/stage.sh" --program "$program" --companion "$companion" --dir "$stage" --notes \
  --version "$version" "${strip[@]}"

# The same sources give the same zip: entries carry the time of the last commit (or
# SOURCE_DATE_EPOCH), not the time of the build, and fixed permissions in a fixed order. The
# programs carry no time of their own (linked with --no-insert-timestamp).
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
release_dir=$(dirname "$output")
{
  (cd "$release_dir" && sha256sum "$(basename "$output")")
  (cd "$stage" && sha256sum Install.exe Vantrel.Dll)
} > "$release_dir/SHA256SUMS"
echo "Release: $output"
echo "SHA-256 sums: $release_dir/SHA256SUMS"
