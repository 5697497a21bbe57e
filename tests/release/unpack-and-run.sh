#!/usr/bin/env bash
# Unpacks a release zip into the session's Wine prefix at C:\Program Files\Vantrel リリース\
# and runs the end-to-end driver's release case against it:
#   unpack-and-run.sh ZIP DRIVER [DRIVER ARGS...]
# VANTREL_WINE_STATE and VANTREL_ARCH come from ctest (vantrel_add_wine_script).
set -u
zip=$1 driver=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/wine/wine-env.sh
. "$here/../wine/wine-env.sh" "${VANTREL_ARCH:?}" || exit $?

[ -f "$zip" ] || { echo "unpack-and-run.sh: no release zip at '$zip'" >&2; exit 1; }
# Wine keeps drive C: in drive_c of the prefix; the case is told the directory's Windows name.
target="$WINEPREFIX/drive_c/Program Files/Vantrel リリース"
# shellcheck disable=SC1003 # a Windows path: the backslashes are meant literally
windows_name='C:\Program Files\Vantrel リリース\'
rm -rf "$target"
mkdir -p "$target"
# The zip marks its Japanese name as UTF-8; unzip writes it as such whatever the locale says,
# and Wine reads host names as UTF-8 under this session's locale.
LC_ALL=C.UTF-8 unzip -q "$zip" -d "$target" || {
  echo "unpack-and-run.sh: cannot unpack $zip" >&2
  exit 1
}
echo "Unpacked $(basename "$zip") into $windows_name:"
(cd "$target" && ls -1)

VANTREL_RELEASE_DIR=$windows_name VANTREL_RELEASE_ZIP_NAME=$(basename "$zip") \
  exec "$WINELOADER" "$driver" "$@"
