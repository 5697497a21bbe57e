#!/usr/bin/env bash
# Sizes and timings of the release programs:
#   bench/run.sh [RUNS]     (RUNS, default 15, at least 10: runs per timing)
# Builds the win32 (i686) and win64 (x86_64) release programs, then prints
#  - the stripped sizes of Install.exe, Vantrel.Dll and a minimal window program for both
#    architectures, and the DLLs each imports;
#  - under Wine (x86_64), the start-up time of Install.exe until its dialog is visible next to
#    that of the minimal window program built the same way, and their ratio; and, to show
#    where the difference lies, that of the setup's window alone (WindowOnly.exe: the same
#    controls and rows, without the registry, settings file and file checks);
#  - the time of a whole run that installs all ten verbs, and of one that uninstalls them;
#  - the companion from its start until the clipboard holds its text, for one item and for 15
#    started together, next to a bare program built the same way that only puts a text there
#    (BareClipboard.exe; 15 of them together each add their line), and the ratios.
# The timings come from bench/probe (VantrelProbe.exe), which starts the programs with
# CreateProcess and watches their windows from the same Wine session, so that Wine's own
# start-up is paid once. Not part of the test command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-15}
[ "$runs" -ge 10 ] 2> /dev/null || { echo "usage: bench/run.sh [RUNS >= 10]" >&2; exit 2; }
build_root=${VANTREL_BUILD_ROOT:-build}
jobs=${VANTREL_JOBS:-2}
bench_dir=$root/$build_root/bench

# shellcheck source=scripts/prerequisites.sh
. scripts/prerequisites.sh
# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
vantrel_install_packages > /dev/null
vantrel_ensure_locale

echo "Building the release programs (win32, win64)..."
for preset in win32 win64; do
  tree=$build_root/$preset
  [ -f "$tree/CMakeCache.txt" ] || cmake --preset "$preset" -B "$tree" > /dev/null
  cmake --build "$tree" -j "$jobs" --target Install vantrel_companion vantrel_bench_minimal vantrel_bench_window_only vantrel_bench_bare_clipboard \
    > "$build_root/bench-build-$preset.log" 2>&1 ||
    { cat "$build_root/bench-build-$preset.log"; exit 1; }
done
tree64=$root/$build_root/win64
cmake --build "$tree64" -j "$jobs" --target stage vantrel_bench_probe > /dev/null

mkdir -p "$bench_dir/stripped"
size_row() {  # size_row ARCH PROGRAM_PATH
  local arch=$1 program=$2 name copy bytes imports
  name=$(basename "$program")
  copy=$bench_dir/stripped/$arch-$name
  "$arch-w64-mingw32-strip" --strip-all -o "$copy" "$program"
  bytes=$(stat -c %s "$copy")
  imports=$("$arch-w64-mingw32-objdump" -p "$copy" | sed -n 's/^\s*DLL Name: //p' | paste -sd ' ')
  printf '  %-7s %-18s %8d B %7.1f KiB  %s\n' "$arch" "$name" "$bytes" \
    "$(awk -v b="$bytes" 'BEGIN { print b / 1024 }')" "$imports"
}
echo
echo "Stripped sizes and imported DLLs"
for preset in win32 win64; do
  arch=i686
  [ "$preset" = win64 ] && arch=x86_64
  tree=$build_root/$preset
  size_row "$arch" "$tree/app/Install.exe"
  size_row "$arch" "$tree/companion/Vantrel.Dll"
  size_row "$arch" "$tree/bench/MinimalWindow.exe"
done

# One Wine session for every timing: its own prefix and display, the server kept up.
# shellcheck source=tests/wine/wine-env.sh
VANTREL_WINE_STATE=$bench_dir . tests/wine/wine-env.sh x86_64
wineserver=$vantrel_wineserver
xvfb_pid=''
finish() {
  "$wineserver" -k > /dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2> /dev/null || true
}
trap finish EXIT
vantrel_start_xvfb || { echo "bench/run.sh: no free X display number for Xvfb" >&2; exit 1; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINELOADER" wineboot -i > /dev/null 2>&1 < /dev/null
  "$wineserver" -w
fi
"$wineserver" -p
# There is no window manager on this display. Wine then waits up to two seconds for one
# whenever a managed window is hidden; unmanaged windows keep that wait out of the timings.
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1

probe() { "$WINELOADER" "$tree64/bench/VantrelProbe.exe" "$@"; }
startup=$bench_dir/startup.tsv setup=$bench_dir/setup.tsv clipboard=$bench_dir/clipboard.tsv
echo
echo "Timing under Wine (x86_64, $runs runs each, median [min-max] in ms)..."
probe startup "$runs" \
  "$tree64/stage/Install.exe" VantrelInstallDialog 'Vantrel [ Install ]' \
  "$tree64/bench/MinimalWindow.exe" VantrelBenchMinimal 'Minimal window' \
  "$tree64/bench/WindowOnly.exe" VantrelInstallDialog 'Vantrel [ Install ]' |
  tr -d '\r' > "$startup"
probe setup "$tree64/stage/Install.exe" "$runs" | tr -d '\r' > "$setup"
probe clipboard "$runs" "$tree64/companion/Vantrel.Dll" "$tree64/bench/BareClipboard.exe" |
  tr -d '\r' > "$clipboard"

awk -F '\t' '
  FNR == 1 { file++ }
  NF == 5 { median[$1] = $3; range[$1] = sprintf("[%.1f-%.1f]", $4, $5) }
  NF == 2 { count[$1] = $2 }
  function row(title, key) { printf "  %-50s %8.1f ms  %s\n", title, median[key], range[key] }
  END {
    row("Install.exe start-up until the dialog is visible", "startup-1")
    row("minimal window start-up until it is visible", "startup-2")
    row("setup window alone, no start-up work (WindowOnly)", "startup-3")
    printf "  %-50s %8.2f x\n", "ratio (Install.exe / minimal window)", median["startup-1"] / median["startup-2"]
    printf "  %-50s %8.2f x\n", "  of which the window alone / minimal window", median["startup-3"] / median["startup-2"]
    printf "  %-50s %8.2f x\n", "  and Install.exe / the window alone", median["startup-1"] / median["startup-3"]
    row("Install.exe end after its window is closed", "close-to-exit-1")
    row("minimal window end after it is closed", "close-to-exit-2")
    row("Install of all ten verbs: whole run", "install-run")
    row("  of which: click to outcome message", "install-click")
    row("  of which: message dismissed to exit", "install-exit")
    row("Uninstall: whole run", "uninstall-run")
    row("  of which: click to outcome message", "uninstall-click")
    row("  of which: message dismissed to exit", "uninstall-exit")
    printf "  %-50s %8d\n", "verbs registered after each Install", count["verbs-after-install"]
    printf "  %-50s %8d\n", "verbs left after each Uninstall", count["verbs-after-uninstall"]
    row("Vantrel.Dll, one item: start to text on clipboard", "clip-companion-1")
    row("bare program: start to text on clipboard", "clip-bare-1")
    printf "  %-50s %8.2f x\n", "ratio (one item / bare program)", median["clip-companion-1"] / median["clip-bare-1"]
    row("Vantrel.Dll, 15 items together: until all 15", "clip-companion-15")
    row("15 bare programs together: until all 15 lines", "clip-bare-15")
    printf "  %-50s %8.2f x\n", "ratio (15 items / 15 bare programs)", median["clip-companion-15"] / median["clip-bare-15"]
    row("Vantrel.Dll, 15 items: until the last one ended", "clip-companion-15-ended")
  }' "$startup" "$setup" "$clipboard"
echo
echo "Raw results: $startup, $setup, $clipboard"
