#!/usr/bin/env bash
# Plants files named like the system DLLs that both programs must take from System32 in the
# folders the end-to-end driver stages the setup in, runs the driver's cases given (start-up,
# the help popup, the Details popup, Install, Uninstall, the real companion behind the verbs)
# with Wine's loader and file traces on, and fails when the loader looked for any of those
# names there, or for any other DLL but the few Wine's loader looks for there for every
# program:
#   planted-dlls.sh DRIVER [DRIVER ARGS...]
# VANTREL_WINE_STATE and VANTREL_ARCH come from ctest (vantrel_add_wine_script).
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/wine/wine-env.sh
. "$here/../wine/wine-env.sh" "${VANTREL_ARCH:?}" || exit $?

# Loaded by bare name, by the programs or by system DLLs for them, and not KnownDLLs. Wine
# looks for KnownDLLs (gdi32, imm32, ole32, ...) in the program's folder too, where Windows
# never does: those are left out.
names="apphelp clbcatq comres cryptbase dwmapi mpr msimg32 netapi32 netutils ntmarta oleacc
  profapi propsys setupapi textshaping userenv uxtheme version winhttp"
# What Wine's loader looks for in a program's folder for every program, which Windows takes
# from System32 whatever lies beside the program: the KnownDLLs (clbcatq and setupapi, known
# only to later versions, are planted above instead), the system DLLs Windows maps with them,
# and Wine's own helpers that Windows has no use for (mscoree is asked for before a program's
# first line runs, zlib1 by Wine's own DLLs). The i686 runtime's start-up asks GetModuleHandle
# whether libgcc_s_dw2-1 is loaded: Windows looks among the loaded modules only, Wine for the
# file too, and neither loads it.
known="advapi32 combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt
  normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost shcore shell32 shlwapi user32 wldap32 ws2_32
  kernelbase ucrtbase win32u
  mscoree zlib1
  libgcc_s_dw2-1"
# Where the driver stages the setup (Staging.h) and the setup with the real companion
# (RealCompanionTest.cpp), and the program each must have started from there.
# shellcheck disable=SC1003 # Windows paths: the backslashes are meant literally
folders=('C:\テスト 用\セットアップ\' 'C:\テスト 用\実物 セットアップ\')
programs=(Install.exe Vantrel.Dll)

# A Windows path as Wine's trace prints it: backslashes doubled, characters past ASCII as \xxxx.
trace_form() {
  local text=$1 out='' ch code i
  for ((i = 0; i < ${#text}; i++)); do
    ch=${text:i:1}
    printf -v code '%d' "'$ch"
    # shellcheck disable=SC1003 # a single backslash, quoted
    if [ "$ch" = '\' ]; then out+='\\'
    elif [ "$code" -gt 126 ]; then printf -v ch '\\%04x' "$code"; out+=$ch
    else out+=$ch
    fi
  done
  printf '%s' "$out"
}

# The host directory Wine keeps a C: path in.
host_dir() {
  local rest=${1#C:\\}
  printf '%s/drive_c/%s' "$WINEPREFIX" "${rest//\\//}"
}

planted=()
# shellcheck disable=SC2317 # called by the traps
remove_planted() { rm -f "${planted[@]}"; }
trap remove_planted EXIT
for folder in "${folders[@]}"; do
  dir=$(host_dir "$folder")
  mkdir -p "$dir" || exit 1
  for name in $names; do
    # Not a DLL at all: were it ever tried, the load would fail and the trace would name it.
    echo "planted, not a DLL" > "$dir/$name.dll" || exit 1
    planted+=("$dir/$name.dll")
  done
done

trace=$(mktemp)
trap 'remove_planted; rm -f "$trace"' EXIT
# +loaddll names every module loaded; warn+module names every file tried and refused;
# warn+file every file looked for and not found. A program that fails on a planted file ends
# at once instead of waiting in Wine's debugger.
WINEDEBUG=+loaddll,warn+module,warn+file WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winedbg.exe=d" \
  "$WINELOADER" "$@" 2> "$trace"
driver_status=$?

status=0
allowed=" vantrel "
for name in $names $known; do allowed+="$name "; done
for i in "${!folders[@]}"; do
  folder=$(trace_form "${folders[$i]}")
  if ! grep -qiF "Loaded L\"$folder${programs[$i]}\"" "$trace"; then
    echo "FAILED: the trace shows no ${programs[$i]} started from ${folders[$i]}"
    status=1
  fi
  for name in $names; do
    if grep -iF "$folder$name.dll" "$trace"; then
      echo "FAILED: $name.dll was looked for in ${folders[$i]}"
      status=1
    fi
  done
  # Every other DLL name looked for there, but the companion itself (Vantrel.Dll, which is
  # started, never loaded) and the known ones.
  others=$(grep -iF "$folder" "$trace" | grep -oiE '\\\\[A-Za-z0-9_.-]+\.dll"' |
    tr -d '\\"' | tr '[:upper:]' '[:lower:]' | sort -u | sed 's/\.dll$//')
  for name in $others; do
    case "$allowed" in
      *" $name "*) ;;
      *) echo "FAILED: $name.dll was looked for in ${folders[$i]}"; status=1 ;;
    esac
  done
done
[ "$status" -eq 0 ] && echo "No planted or other DLL was looked for beside the programs."
[ "$driver_status" -ne 0 ] && exit "$driver_status"
exit "$status"
