# Sourced by the scripts in tools/: makes sure what they need is installed.
# As root on Debian it installs what is missing; otherwise it prints the
# commands to run and stops.

# Everything the build and every test need; tools/sign needs only some.
fontfix_packages=(cmake g++ googletest libgtest-dev g++-mingw-w64-i686
                  python3-pefile wine wine64 wine32:i386 osslsigncode openssl
                  strace)

missing_packages() {  # missing_packages PKG...
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null |
      grep -q 'install ok installed' || echo "$pkg"
  done
}

# ensure_packages [PKG...]: those packages, or all of fontfix_packages.
ensure_packages() {
  local missing i386=false
  (($#)) || set -- "${fontfix_packages[@]}"
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  grep -q ':i386' <<<"$missing" && i386=true
  echo "== installing missing packages:" $missing
  if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null; then
    echo "Run these as root (Debian 12), then try again:" >&2
    ! $i386 || echo "  dpkg --add-architecture i386" >&2
    echo "  apt-get update" >&2
    echo "  apt-get install -y" $missing >&2
    exit 1
  fi
  ! $i386 || dpkg --add-architecture i386
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
}
