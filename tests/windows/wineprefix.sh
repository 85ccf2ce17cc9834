#!/usr/bin/env bash
# The throwaway Wine prefixes of the Windows-side tests.
#   boot PREFIX            makes PREFIX afresh
#   run PREFIX PROGRAM...  runs a Windows program in it
#   stop PREFIX            ends its Wine processes
# PREFIX must be a folder named wineprefix-win32 or wineprefix-win64 inside a
# build folder; its name sets WINEARCH. Exits 77 (skipped) where this machine
# cannot run Wine's 32-bit loader, which every 32-bit Windows program needs.
set -euo pipefail
source "$(dirname "$0")/../../tools/lib/wine.sh"
action=${1:?usage: $0 boot|run|stop PREFIX [PROGRAM...]}
prefix=${2:?usage: $0 boot|run|stop PREFIX [PROGRAM...]}
shift 2
case "$prefix" in
  */build/*/wineprefix-win32) arch=win32 ;;
  */build/*/wineprefix-win64) arch=win64 ;;
  *) echo "refusing: '$prefix' is not a test prefix under a build folder" >&2
     exit 2 ;;
esac
wine_environment "$prefix" "$arch"
if [ "$action" != stop ] && ! wine32_runs; then
  explain_no_wine32
  exit 77
fi
case "$action" in
  boot)
    [ -d "$prefix" ] && { wineserver -k 2>/dev/null || true; rm -rf "$prefix"; }
    echo "booting a fresh $arch Wine prefix in $prefix"
    wineboot -i
    # Wait for the first boot's processes, so the registry is complete.
    wineserver -w
    ;;
  run)
    exec wine "$@"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *) echo "usage: $0 boot|run|stop PREFIX [PROGRAM...]" >&2; exit 2 ;;
esac
