#!/usr/bin/env bash
# boot PREFIX: makes a fresh Wine prefix for the tests. stop PREFIX: ends its
# Wine processes. Only ever a folder named "wineprefix" inside a build folder.
set -euo pipefail
action=$1
prefix=$2
case "$prefix" in
  */build/*/wineprefix) ;;
  *) echo "refusing: '$prefix' is not a test prefix under a build folder" >&2
     exit 2 ;;
esac
export WINEPREFIX=$prefix
case "$action" in
  boot)
    [ -d "$prefix" ] && { wineserver -k 2>/dev/null || true; rm -rf "$prefix"; }
    echo "booting a fresh Wine prefix in $prefix"
    wineboot -i
    # Wait for the first boot's processes, so the registry is complete.
    wineserver -w
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *) echo "usage: $0 boot|stop PREFIX" >&2; exit 2 ;;
esac
