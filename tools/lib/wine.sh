# Sourced by tools/run and tools/bench: the project's own Wine prefix, under
# build/, made once and kept. Never the user's own prefix.
project_prefix_setup() {
  export WINEPREFIX="$PWD/build/wine"
  export WINEARCH=win32
  # No debug noise, and no offer to install Mono or Gecko.
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the project's Wine prefix in $WINEPREFIX (once)"
    wineboot -i
    wineserver -w
  fi
}

build_windows_targets() {  # build_windows_targets TARGET...
  echo "== building $* (preset windows-x86)"
  cmake --preset windows-x86 >/dev/null
  local target
  for target in "$@"; do
    cmake --build --preset windows-x86 --target "$target" >/dev/null
  done
}
