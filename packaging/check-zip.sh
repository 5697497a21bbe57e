#!/usr/bin/env bash
# Checks a release zip before it is handed out: check-zip.sh ZIP [i686|x86_64]
# It must hold exactly the five user files; both programs must be built for the zip's
# architecture, import nothing but system DLLs (no MinGW runtime DLL beside them) and carry no
# time of their build (header time stamp 0, so that the same sources give the same bytes) and
# a valid header checksum; the settings file must read back, as UTF-16LE with a byte-order
# mark and CRLF ends, to the titles in the source.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1 arch=${2:-i686}

problems=0
problem() { echo "check-zip.sh: $*" >&2; problems=$((problems + 1)); }

[ -f "$zip" ] || { echo "check-zip.sh: no zip at '$zip'" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected=$(printf '%s\n' Install.exe Vantrel.Dll Install.ini 読んでください.txt README.txt | sort)
actual=$(LC_ALL=C.UTF-8 unzip -Z1 "$zip" | sort)
[ "$expected" = "$actual" ] || problem "the zip holds [$(echo $actual)], expected [$(echo $expected)]"
LC_ALL=C.UTF-8 unzip -q -o "$zip" -d "$work"

case "$arch" in
  i686) objdump=i686-w64-mingw32-objdump format=pei-i386 ;;
  x86_64) objdump=x86_64-w64-mingw32-objdump format=pei-x86-64 ;;
  *) echo "check-zip.sh: unknown architecture '$arch'" >&2; exit 2 ;;
esac
for program in Install.exe Vantrel.Dll; do
  [ -f "$work/$program" ] || continue
  "$objdump" -f "$work/$program" | grep -q "file format $format" ||
    problem "$program is not a $format program"
  # Everything the programs need is linked in; a lib*.dll import means a MinGW runtime DLL.
  runtime=$("$objdump" -p "$work/$program" | sed -n 's/^\s*DLL Name: //p' | grep -i '^lib' || true)
  [ -z "$runtime" ] || problem "$program imports runtime DLLs: $(echo $runtime)"
  header=$(python3 - "$work/$program" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
header = struct.unpack_from("<I", data, 0x3C)[0]
stamp = struct.unpack_from("<I", data, header + 8)[0]
at = header + 24 + 64  # CheckSum in the optional header
stored = struct.unpack_from("<I", data, at)[0]
data[at:at + 4] = bytes(4)
total = 0  # the 16-bit ones' complement sum of the file, plus its length
for (word,) in struct.iter_unpack("<H", bytes(data) + b"\0" * (len(data) % 2)):
    total += word
    total = (total & 0xFFFF) + (total >> 16)
total = ((total & 0xFFFF) + (total >> 16) + len(data)) & 0xFFFFFFFF
if stamp != 0:
    print(f"a header time stamp ({stamp:#x}): the link or the strip wrote the time of the build")
if stored != total:
    print(f"header checksum {stored:#x}, but its bytes sum to {total:#x}")
PY
)
  [ -z "$header" ] || problem "$program has $header"
done

if [ -f "$work/Install.ini" ]; then
  bom=$(od -An -tx1 -N2 "$work/Install.ini" | tr -d ' \n')
  [ "$bom" = fffe ] || problem "Install.ini does not start with a UTF-16LE byte-order mark"
  if decoded=$(tail -c +3 "$work/Install.ini" | iconv -f UTF-16LE -t UTF-8); then
    ! grep -qv $'\r$' <<< "$decoded" || problem "Install.ini does not have CRLF line ends"
    decoded=$(tr -d '\r' <<< "$decoded")
    [ "$decoded" = "$(cat "$here/Install.ini.utf8")" ] ||
      problem "Install.ini does not read back as packaging/Install.ini.utf8"
    for n in 1 2 3 4 5; do
      grep -q "^\[Menu$n\]" <<< "$decoded" || problem "Install.ini has no section Menu$n"
    done
  else
    problem "Install.ini is not UTF-16LE text"
  fi
fi
if [ -f "$work/読んでください.txt" ]; then
  iconv -f CP932 -t UTF-8 "$work/読んでください.txt" > /dev/null ||
    problem "読んでください.txt is not code page 932 text"
fi

if [ "$problems" -ne 0 ]; then
  echo "check-zip.sh: $zip has $problems problem(s)" >&2
  exit 1
fi
echo "Release checked: $zip (5 files, $arch, system DLLs only)"
