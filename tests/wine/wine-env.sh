# Sourced: sets up the environment for running the build's Windows programs under Wine.
# Usage: . wine-env.sh ARCH   (x86_64 or i686). Returns 77 where that Wine cannot run here.
# VANTREL_WINE_STATE names the directory that keeps the prefix (and, for a test session, the
# display). Sets WINELOADER, WINEARCH, WINEPREFIX, the Japanese locale and vantrel_wineserver.
vantrel_arch=$1
case "$vantrel_arch" in
  x86_64)
    export WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64
    vantrel_wineserver=/usr/lib/wine/wineserver64
    [ -x "$vantrel_wineserver" ] || vantrel_wineserver=/usr/lib/wine/wineserver ;;
  i686)
    export WINELOADER=/usr/lib/wine/wine WINEARCH=win32
    vantrel_wineserver=/usr/lib/wine/wineserver
    if ! "$WINELOADER" --version >/dev/null 2>&1; then
      echo "SKIPPED: 32-bit Wine cannot start on this machine ($WINELOADER); i686 Wine tests skipped"
      return 77
    fi ;;
  *) echo "wine-env.sh: unknown architecture '$vantrel_arch'" >&2; return 2 ;;
esac
: "${VANTREL_WINE_STATE:?VANTREL_WINE_STATE must name the Wine session directory}"
export WINEPREFIX="$VANTREL_WINE_STATE/prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ -z "${DISPLAY:-}" ] && [ -f "$VANTREL_WINE_STATE/display" ]; then
  DISPLAY=$(cat "$VANTREL_WINE_STATE/display")
  export DISPLAY
fi
