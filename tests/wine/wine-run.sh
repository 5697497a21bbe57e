#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest: wine-run.sh ARCH PROGRAM [ARGS...]
# ARCH is x86_64 (Debian's 64-bit loader) or i686 (the 32-bit loader, where this machine can
# run it; otherwise the test is reported as skipped with exit code 77).
# The prefix and display come from the session that session.sh started for this build tree.
set -u
arch=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/wine/wine-env.sh
. "$here/wine-env.sh" "$arch" || exit $?
exec "$WINELOADER" "$@"
