# Sourced by the test and run commands: installs the Debian packages the build, the Wine
# runs and the checks need, and the Japanese locale that gives Wine code page 932.
# Safe to repeat: apt runs only when something is missing, and then updates its lists once.

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
  apt-get update -q || return 1
  apt-get install -y -q --no-install-recommends "${missing[@]}" || return 1
}

# Wine takes its ANSI code page from the locale; ja_JP.UTF-8 makes it 932.
vantrel_ensure_locale() {
  if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    return 0
  fi
  echo "Locale: generating ja_JP.UTF-8"
  if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  fi
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
    if ! { apt-get update -q && apt-get install -y -q --no-install-recommends wine32:i386; }; then
      echo "32-bit Wine: wine32:i386 could not be installed, the i686 Wine tests will be skipped"
      return 0
    fi
  fi
  "$loader" --version > /dev/null 2>&1 ||
    echo "32-bit Wine: installed, but $loader does not start here (the kernel may refuse 32-bit programs)"
  return 0
}
