#!/usr/bin/env bash
# The run command. On a Debian 12 machine, as root:
#   scripts/run.sh [--fresh]
# installs what is missing, builds the x86_64 programs if they are not built yet, lays them
# out with the sample Install.ini in build/win64/stage/ and starts Install.exe under Wine
# (64-bit loader, Japanese locale so that the ANSI code page is 932, its own prefix in
# build/run/). With $DISPLAY set the dialog opens there and the command ends when it is
# closed. Without one the dialog opens on a private Xvfb display; the command waits for it,
# saves a screenshot, prints its path, and closes the program and the display.
# --fresh starts from a new Wine prefix (nothing registered); otherwise the prefix, and so
# whatever an earlier run installed, is kept.
#
# VANTREL_BUILD_ROOT (default build) and VANTREL_JOBS (default 2) as for the test command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root=${VANTREL_BUILD_ROOT:-build}
jobs=${VANTREL_JOBS:-2}
tree=$build_root/win64
run_dir=$root/$build_root/run
stage=$root/$tree/stage
caption='Vantrel [ Install ]'

fresh=0
for argument in "$@"; do
  case "$argument" in
    --fresh) fresh=1 ;;
    *) echo "usage: scripts/run.sh [--fresh]" >&2; exit 2 ;;
  esac
done

# shellcheck source=scripts/prerequisites.sh
. scripts/prerequisites.sh
# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh
vantrel_install_packages
vantrel_ensure_locales

# Ninja builds only what is out of date; a tree that is up to date costs a second.
[ -f "$tree/CMakeCache.txt" ] || cmake --preset win64 -B "$tree"
cmake --build "$tree" -j "$jobs" --target stage
echo "Staged: $stage"

# shellcheck source=tests/wine/wine-env.sh
VANTREL_WINE_STATE=$run_dir . tests/wine/wine-env.sh x86_64
wineserver=$vantrel_wineserver

xvfb_pid=''
finish() {
  "$wineserver" -k > /dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2> /dev/null || true
}
trap finish EXIT

if [ -z "${DISPLAY:-}" ]; then
  vantrel_start_xvfb || { echo "run.sh: no free X display number for Xvfb" >&2; exit 1; }
  headless=1
else
  headless=0
fi

if [ "$fresh" = 1 ]; then
  "$wineserver" -k > /dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$run_dir"
  "$WINELOADER" wineboot -i > /dev/null 2>&1 < /dev/null
  "$wineserver" -w
fi

# Without a window manager nobody draws the title bar unless Wine does it itself.
x11_key='HKCU\Software\Wine\X11 Driver'
if [ "$headless" = 1 ]; then
  "$WINELOADER" reg add "$x11_key" /v Decorated /d N /f > /dev/null 2>&1
else
  "$WINELOADER" reg delete "$x11_key" /v Decorated /f > /dev/null 2>&1 || true
fi

cd "$stage"
if [ "$headless" = 0 ]; then
  echo "Starting Install.exe on $DISPLAY; the command ends when the dialog is closed"
  "$WINELOADER" ./Install.exe
  exit 0
fi

"$WINELOADER" ./Install.exe > "$run_dir/install.log" 2>&1 < /dev/null &
program=$!

window=''
for _ in $(seq 300); do
  window=$(xwininfo -root -tree 2> /dev/null | awk -v name="\"$caption\"" 'index($0, name) {print $1; exit}' || true)
  [ -n "$window" ] && break
  kill -0 "$program" 2> /dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run.sh: the dialog '$caption' did not appear within 30 s; Wine's output:" >&2
  cat "$run_dir/install.log" >&2
  exit 1
fi
sleep 1  # let the controls paint

shot=$run_dir/screenshot.png
import -window "$window" "$shot"
echo "Dialog '$caption' is up on $DISPLAY (X window $window)"
echo "Screenshot: $shot"

# Close it as the user would, then make sure nothing of this run is left behind.
"$WINELOADER" taskkill /IM Install.exe > /dev/null 2>&1 || true
for _ in $(seq 50); do kill -0 "$program" 2> /dev/null || break; sleep 0.1; done
echo "Closed Install.exe and the display"
