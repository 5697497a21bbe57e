# Sourced by the test and run commands: installs the Debian packages the build, the Wine
# runs and the checks need, and the locales that give Wine code pages 932 (Japanese) and 1252
# (Western). Safe to repeat: apt runs only when something is missing, and then updates its
# lists once (trying again a few times when a list fails to download). No install may remove a
# package (--no-remove): wine64 must survive an attempt to add wine32:i386.

VANTREL_PACKAGES=(
  cmake ninja-build g++ libgtest-dev googletest
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth x11-utils imagemagick fonts-ipafont-gothic locales
  zip unzip clang-format clang-tidy cppcheck valgrind python3
)

vantrel_missing_packages() {
  local package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || printf '%s\n' "$package"
  done
}

# A mirror in the middle of a sync serves lists that fail to download for a while (seen: the
# i386 security list). apt-get update then fails (or, for a list it can do without, warns);
# it is tried again after a pause, a few times.
vantrel_update_package_lists() {
  local attempt log status
  log=$(mktemp) || return 1
  for attempt in 1 2 3 4; do
    apt-get update -q 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    if [ "$status" -eq 0 ] && ! grep -qE '^(W|E): (Failed to fetch|Some index files failed)' "$log"; then
      rm -f "$log"
      return 0
    fi
    [ "$attempt" -eq 4 ] && break
    echo "Package lists: not all could be updated (attempt $attempt of 4); again in $((attempt * 15)) s"
    sleep $((attempt * 15))
  done
  rm -f "$log"
  echo "Package lists: not all could be updated after 4 attempts"
  return 1
}

vantrel_install_packages() {
  local missing
  mapfile -t missing < <(vantrel_missing_packages "${VANTREL_PACKAGES[@]}")
  if [ "${#missing[@]}" -eq 0 ]; then
    echo "Packages: all ${#VANTREL_PACKAGES[@]} present"
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Packages missing and not root, cannot install: ${missing[*]}" >&2
    return 1
  fi
  echo "Packages: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  vantrel_update_package_lists || echo "Package lists: installing from the lists at hand"
  apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}" || return 1
}

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 makes it 932, en_US.UTF-8 1252.
# (The tests compile the one for 65001 into their build tree themselves.)
vantrel_ensure_locales() {
  local name missing=()
  for name in ja_JP en_US; do
    locale -a 2>/dev/null | grep -qix "$name.utf8" || missing+=("$name")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Locales: generating ${missing[*]/%/.UTF-8}"
  for name in "${missing[@]}"; do
    if grep -q "^# *$name.UTF-8 UTF-8" /etc/locale.gen; then
      sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
    fi
  done
  locale-gen || return 1
}

# The release ships the i686 programs, so they are tested under 32-bit Wine wherever this
# machine can run it: Debian's wine32:i386 needs the i386 architecture and a kernel that runs
# 32-bit executables. Never fails: it prints why the 32-bit run will be skipped instead, and
# the test command decides by trying the loader itself.
vantrel_install_wine32() {
  local loader=/usr/lib/wine/wine
  if "$loader" --version > /dev/null 2>&1; then
    echo "32-bit Wine: $("$loader" --version)"
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "32-bit Wine: not installed and not root, the i686 Wine tests will be skipped"
    return 0
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 || {
      echo "32-bit Wine: cannot add the i386 architecture, the i686 Wine tests will be skipped"
      return 0
    }
  fi
  if [ "$(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null)" != installed ]; then
    echo "32-bit Wine: installing wine32:i386"
    export DEBIAN_FRONTEND=noninteractive
    vantrel_update_package_lists || echo "32-bit Wine: trying the lists at hand"
    # --no-remove: from lists of different ages wine32:i386 may want another version of wine64,
    # which apt would otherwise remove.
    if ! apt-get install -y -q --no-install-recommends --no-remove wine32:i386; then
      echo "32-bit Wine: wine32:i386 could not be installed, the i686 Wine tests will be skipped"
      return 0
    fi
  fi
  "$loader" --version > /dev/null 2>&1 ||
    echo "32-bit Wine: installed, but $loader does not start here (the kernel may refuse 32-bit programs)"
  return 0
}

# True when the kernel runs 32-bit x86 programs (CONFIG_IA32_EMULATION), whether or not 32-bit
# Wine is installed: a minimal 32-bit program that only exits is written to DIR and tried.
vantrel_kernel_runs_32bit() {
  local probe=$1/ia32-probe status
  python3 - "$probe" <<'PY' || return 1
import struct, sys
code = bytes.fromhex("b801000000" "31db" "cd80")  # exit(0): eax = 1, ebx = 0, int 0x80
base = 0x08048000
size = 52 + 32 + len(code)
header = struct.pack("<4s5B7x2H5I6H", b"\x7fELF", 1, 1, 1, 0, 0, 2, 3, 1, base + 84, 52, 0, 0,
                     52, 32, 1, 0, 0, 0)
segment = struct.pack("<8I", 1, 0, base, base, size, size, 5, 0x1000)
with open(sys.argv[1], "wb") as probe:
    probe.write(header + segment + code)
PY
  chmod +x "$probe"
  "$probe" 2> /dev/null
  status=$?
  rm -f "$probe"
  return "$status"
}
