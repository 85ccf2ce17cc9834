# Sourced by tools/run, tools/bench and the Windows-side tests: the
# environment Wine runs in here, and whether it can run 32-bit programs.

# wine_environment PREFIX ARCH: Wine in PREFIX (win32 or win64), with no
# debug noise and no offer to install Mono or Gecko. Never the user's prefix.
wine_environment() {
  export WINEPREFIX=$1
  export WINEARCH=$2
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Every 32-bit Windows program, in a 32- or a 64-bit prefix, runs in Wine's
# 32-bit loader, a 32-bit x86 Linux program. Kernels started with
# ia32_emulation=off (or built to default to it) refuse to run those.
wine32_runs() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

explain_no_wine32() {
  if [ ! -e /usr/lib/wine/wine ]; then
    echo "Wine's 32-bit loader is not installed (package wine32:i386)" >&2
  else
    echo "this machine cannot run 32-bit x86 Linux programs, so Wine cannot" \
         "run 32-bit Windows programs here: /usr/lib/wine/wine fails" \
         "(kernel: $(uname -r); see 'ia32_emulation' in dmesg)" >&2
  fi
}

# The project's own Wine prefix for tools/run and tools/bench, under build/,
# made once and kept.
project_prefix_setup() {
  wine_environment "$PWD/build/wine" win32
  if ! wine32_runs; then
    explain_no_wine32
    exit 1
  fi
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
