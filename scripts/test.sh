#!/usr/bin/env bash
# The test command. On a Debian 12 machine, as root:
#   scripts/test.sh
# installs what is missing, builds every preset, runs the native tests (ASan + UBSan), the
# Windows tests under Wine, builds and checks the release zip, and runs the static and memory
# checks; then prints a summary ending in ctest's own words. Exits non-zero on any failure.
# Safe to run again: it reuses the build trees.
#
# VANTREL_BUILD_ROOT (default build) puts the trees elsewhere; VANTREL_JOBS (default 2)
# sets the parallelism of builds and checks.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root=${VANTREL_BUILD_ROOT:-build}
jobs=${VANTREL_JOBS:-2}
logs=$build_root/test-logs
release_dir=$build_root/release
started=$(date +%s)

# Checks that report their findings without failing the run, while the code they read is
# still being written. Empty when every check is required.
report_only_checks=()

# shellcheck source=scripts/prerequisites.sh
. scripts/prerequisites.sh
# shellcheck source=scripts/steps.sh
. scripts/steps.sh

echo "== Prerequisites"
vantrel_step "packages" vantrel_install_packages || exit 1
vantrel_step "locales" vantrel_ensure_locales || exit 1
vantrel_step "32-bit Wine" vantrel_install_wine32
mkdir -p "$logs"
rm -f "$logs"/*.log "$logs"/*.result

tree() { echo "$build_root/$1"; }
configure() { cmake --preset "$1" -B "$(tree "$1")" > "$logs/configure-$1.log" 2>&1 ||
  { cat "$logs/configure-$1.log"; return 1; }; }
build() { cmake --build "$(tree "$1")" -j "$jobs" "${@:2}"; }

echo "== Configure"
native_configured=0 win64_configured=0 win32_configured=0 plain_configured=0
vantrel_step "native configure" configure native && native_configured=1
vantrel_step "win64 configure" configure win64 && win64_configured=1
vantrel_step "win32 configure" configure win32 && win32_configured=1
vantrel_step "native-plain configure" configure native-plain && plain_configured=1

# The static and memory checks need no Wine and no Windows build, only the compile database
# a configure writes: they start now and run beside the builds and the Wine tests,
# which spend most of their time waiting for windows, and write their output to logs shown
# afterwards. They run at the lowest priority, so that neither the builds nor the Wine tests'
# windows ever wait for a CPU; they take what those leave idle.
echo "== Static and memory checks (in the background; output follows the Wine tests)"
# Two chains, so that one's single-threaded stretches (valgrind, cppcheck, the last files of a
# clang-tidy run) leave no CPU idle that the other could use. Each numbers its logs from its
# own start, so that the output reads in this order.
memory_checks() {
  renice -n 19 -p "$BASHPID" > /dev/null
  vantrel_background_count=0
  [ "$plain_configured" = 1 ] || return 0
  vantrel_background_step "native-plain build" build native-plain &&
    vantrel_background_step "valgrind" scripts/checks/valgrind.sh "$(tree native-plain)"
}
static_checks() {
  renice -n 19 -p "$BASHPID" > /dev/null
  # shellcheck disable=SC2034 # read by vantrel_background_step
  vantrel_background_count=2
  vantrel_background_step "clang-format" scripts/checks/format.sh
  vantrel_background_step "cppcheck" scripts/checks/cppcheck.sh
  if [ "$plain_configured" = 1 ]; then
    vantrel_background_step "clang-tidy (host)" scripts/checks/tidy.sh host "$(tree native-plain)"
  fi
  if [ -f "$(tree win64)/compile_commands.json" ]; then
    vantrel_background_step "clang-tidy (Win32)" scripts/checks/tidy.sh windows "$(tree win64)"
  fi
}
export VANTREL_JOBS=$jobs
memory_checks &
memory_pid=$!
static_checks &
static_pid=$!

echo "== Native logic tests (ASan + UBSan)"
if [ "$native_configured" = 1 ] && vantrel_step "native build" build native; then
  vantrel_ctest "native tests" "$(tree native)" -j "$jobs"
fi

# A tree that configured is tested and packaged even when part of its build failed: the
# tests and targets that did build still say something.
echo "== Windows builds"
[ "$win64_configured" = 0 ] || vantrel_step "win64 build" build win64
[ "$win32_configured" = 0 ] || vantrel_step "win32 build" build win32

echo "== Windows tests under Wine (x86_64)"
if [ "$win64_configured" = 1 ]; then
  vantrel_ctest "win64 Wine tests" "$(tree win64)" -j 1
else
  vantrel_record "win64 Wine tests" FAILED 0 "not run: the win64 tree did not configure"
fi

echo "== Windows tests under Wine (i686)"
wine32=/usr/lib/wine/wine
if [ ! -x "$wine32" ]; then
  why="$wine32 is not installed (Debian's wine32:i386)"
elif ! why=$("$wine32" --version 2>&1); then
  why="$wine32 --version fails: $(printf '%s' "$why" | head -n 1)"
else
  why=''
fi
if [ -n "$why" ]; then
  echo "SKIPPED: i686 Wine tests, 32-bit Wine cannot run here: $why. The i686 build is still compiled and packaged."
  vantrel_record "win32 Wine tests" SKIPPED 0 "32-bit Wine cannot run here"
  # The programs the release ships went untested under Wine: where only the missing package is
  # to blame, the end of the summary says so too.
  if vantrel_kernel_runs_32bit "$logs"; then
    vantrel_closing_notes+=("WARNING: the i686 Wine tests (the shipped programs) were SKIPPED although this machine's kernel runs 32-bit programs: $why. Install Debian's wine32:i386 (see \"32-bit Wine\" at the top) and run the test command again.")
  fi
elif [ "$win32_configured" = 1 ]; then
  vantrel_ctest "win32 Wine tests" "$(tree win32)" -j 1
else
  vantrel_record "win32 Wine tests" FAILED 0 "not run: the win32 tree did not configure"
fi

echo "== Release zip"
# The zip's name carries the version; the win32 tree's configure wrote it down.
make_release() {
  local name
  name=$(cat "$(tree win32)/release-name.txt") &&
    build win32 --target release_zip &&
    mkdir -p "$release_dir" &&
    cp "$(tree win32)/release/$name" "$(tree win32)/release/SHA256SUMS" "$release_dir/" &&
    echo "Release zip: $release_dir/$name (SHA-256 sums beside it)" &&
    cat "$release_dir/SHA256SUMS"
}
if [ "$win32_configured" = 1 ]; then
  vantrel_step "release zip" make_release
else
  vantrel_record "release zip" FAILED 0 "not built: the win32 tree did not configure"
fi

wait "$memory_pid" "$static_pid"
vantrel_show_background_steps

vantrel_summary "$started"
