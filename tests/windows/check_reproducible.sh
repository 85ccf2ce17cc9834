#!/usr/bin/env bash
# Builds fontfix.exe again from a copy of the sources in another folder and
# checks that it is byte for byte the .exe the build made.
set -euo pipefail
source_dir=$1
work=$2
built=$3

rm -rf "$work"
mkdir -p "$work/elsewhere-src"
# Only what the build reads: no build folders, no Git metadata.
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . |
  tar -C "$work/elsewhere-src" -xf -
cmake -S "$work/elsewhere-src" -B "$work/other-build" \
  -DCMAKE_TOOLCHAIN_FILE="$work/elsewhere-src/cmake/mingw-i686-win32.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/other-build" --target fontfix >/dev/null
if cmp "$built" "$work/other-build/fontfix.exe"; then
  echo "ok: the second build from $work/elsewhere-src is identical ($(stat -c %s "$built") bytes)"
else
  echo "FAIL: two builds of the same sources differ"
  exit 1
fi
