#!/usr/bin/env bash
# Starts or stops the Wine session of one ctest run: session.sh start|stop ARCH STATE_DIR [WINDOWS]
# start: a fresh prefix under STATE_DIR, of a 64-bit Windows or (WINDOWS win32) a 32-bit one
# (wine-env.sh), and an Xvfb display when there is no $DISPLAY.
# stop: ends the Wine server and the display it started.
set -u
action=$1 arch=$2
export VANTREL_WINE_STATE=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$arch" "${4:-win64}" || exit $?
# shellcheck source=scripts/xvfb.sh
. "$here/../../scripts/xvfb.sh"

stop() {
  [ -d "$WINEPREFIX" ] && "$vantrel_wineserver" -k >/dev/null 2>&1
  if [ -f "$VANTREL_WINE_STATE/xvfb.pid" ]; then
    kill "$(cat "$VANTREL_WINE_STATE/xvfb.pid")" 2>/dev/null
    rm -f "$VANTREL_WINE_STATE/xvfb.pid" "$VANTREL_WINE_STATE/display"
  fi
  return 0
}

case "$action" in
  start)
    stop
    rm -rf "$VANTREL_WINE_STATE"
    mkdir -p "$VANTREL_WINE_STATE"
    if [ -z "${DISPLAY:-}" ] && vantrel_start_xvfb; then
      echo "$xvfb_pid" > "$VANTREL_WINE_STATE/xvfb.pid"
      echo "$DISPLAY" > "$VANTREL_WINE_STATE/display"
    fi
    "$vantrel_boot_loader" wineboot -i >/dev/null 2>&1 < /dev/null
    "$vantrel_wineserver" -w
    echo "Wine session ready: $WINEARCH prefix $WINEPREFIX, $arch programs, display ${DISPLAY:-none}"
    ;;
  stop) stop ;;
  *) echo "usage: session.sh start|stop ARCH STATE_DIR [WINDOWS]" >&2; exit 2 ;;
esac
