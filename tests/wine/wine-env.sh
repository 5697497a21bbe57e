# Sourced: sets up the environment for running the build's Windows programs under Wine.
# Usage: . wine-env.sh ARCH [WINDOWS]
#   ARCH: x86_64 or i686, the programs' architecture, which picks the loader.
#   WINDOWS: win64, a 64-bit Windows, where i686 programs run under WoW64 as on nearly every
#   Windows in use; or win32, a 32-bit Windows (i686 only). Without it, $VANTREL_WINDOWS, and
#   without that win64.
# Returns 77 where that Wine cannot run here. VANTREL_WINE_STATE names the directory that keeps
# the prefix (and, for a test session, the display). Sets WINELOADER, WINEARCH, WINEPREFIX, the
# locale (Japanese, which gives code page 932, unless VANTREL_LOCALE names another),
# vantrel_wineserver, and vantrel_boot_loader, the loader that makes the prefix (a 64-bit prefix
# is made by the 64-bit loader, whichever runs the programs).
vantrel_arch=$1
vantrel_windows=${2:-${VANTREL_WINDOWS:-win64}}
case "$vantrel_arch/$vantrel_windows" in
  x86_64/win64 | i686/win64 | i686/win32) ;;
  *) echo "wine-env.sh: cannot run $vantrel_arch programs on $vantrel_windows" >&2; return 2 ;;
esac
export WINEARCH=$vantrel_windows
if [ "$vantrel_windows" = win64 ]; then
  vantrel_boot_loader=/usr/lib/wine/wine64
  vantrel_wineserver=/usr/lib/wine/wineserver64
  [ -x "$vantrel_wineserver" ] || vantrel_wineserver=/usr/lib/wine/wineserver
else
  vantrel_boot_loader=/usr/lib/wine/wine
  vantrel_wineserver=/usr/lib/wine/wineserver
fi
if [ "$vantrel_arch" = x86_64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
else
  export WINELOADER=/usr/lib/wine/wine
  if ! "$WINELOADER" --version >/dev/null 2>&1; then
    echo "SKIPPED: 32-bit Wine cannot start on this machine ($WINELOADER); i686 Wine tests skipped"
    return 77
  fi
fi
: "${VANTREL_WINE_STATE:?VANTREL_WINE_STATE must name the Wine session directory}"
export WINEPREFIX="$VANTREL_WINE_STATE/prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=${VANTREL_LOCALE:-ja_JP.UTF-8} LC_ALL=${VANTREL_LOCALE:-ja_JP.UTF-8}
if [ -z "${DISPLAY:-}" ] && [ -f "$VANTREL_WINE_STATE/display" ]; then
  DISPLAY=$(cat "$VANTREL_WINE_STATE/display")
  export DISPLAY
fi
