#!/usr/bin/env bash
# Starts or stops the Wine session of one ctest run: session.sh start|stop ARCH STATE_DIR
# start: a fresh prefix under STATE_DIR, and an Xvfb display when there is no $DISPLAY.
# stop: ends the Wine server and the display it started.
set -u
action=$1 arch=$2
export VANTREL_WINE_STATE=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$arch" || exit $?
wineserver_bin=/usr/lib/wine/wineserver
[ "$arch" = x86_64 ] && [ -x /usr/lib/wine/wineserver64 ] && wineserver_bin=/usr/lib/wine/wineserver64

stop() {
  [ -d "$WINEPREFIX" ] && "$wineserver_bin" -k >/dev/null 2>&1
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
    if [ -z "${DISPLAY:-}" ]; then
      for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
        echo $! > "$VANTREL_WINE_STATE/xvfb.pid"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        echo ":$n" > "$VANTREL_WINE_STATE/display"
        export DISPLAY=":$n"
        break
      done
    fi
    "$WINELOADER" wineboot -i >/dev/null 2>&1 < /dev/null
    "$wineserver_bin" -w
    echo "Wine session ready: prefix $WINEPREFIX, display ${DISPLAY:-none}"
    ;;
  stop) stop ;;
  *) echo "usage: session.sh start|stop ARCH STATE_DIR" >&2; exit 2 ;;
esac
