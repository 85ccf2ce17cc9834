#!/usr/bin/env bash
# Reads fontfix.exe with binutils' objdump, a PE reader independent of
# Windows' loader, and checks what a bare Windows needs of it.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
failures=0

expect() {  # expect DESCRIPTION EXTENDED-REGEX
  if grep -qE -- "$2" <<<"$dump"; then
    echo "ok: $1"
  else
    echo "FAIL: $1 (no line matching /$2/)"
    failures=$((failures + 1))
  fi
}

expect "PE32 for i386" 'file format pei-i386$'
expect "console subsystem" '^Subsystem[[:space:]]+00000003'
expect "subsystem version 5.0" '^MajorSubsystemVersion[[:space:]]+5$'
expect "subsystem version 5.0" '^MinorSubsystemVersion[[:space:]]+0$'
expect "operating-system version 5.0" '^MajorOSystemVersion[[:space:]]+5$'
expect "operating-system version 5.0" '^MinorOSystemVersion[[:space:]]+0$'
expect "no link timestamp" '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970'
expect "symbols stripped" '^[[:space:]]+symbols stripped'
expect "no relocation stripped" '^[[:space:]]+32 bit words'

characteristics=$(awk '/^DllCharacteristics/ {print $2}' <<<"$dump")
if (( (16#$characteristics & 0x140) == 0x140 )); then
  echo "ok: ASLR (dynamic base) and DEP (NX compatible): 0x$characteristics"
else
  echo "FAIL: DllCharacteristics 0x$characteristics lacks 0x40 and 0x100"
  failures=$((failures + 1))
fi
if i686-w64-mingw32-objdump -h "$exe" | grep -q ' \.reloc '; then
  echo "ok: base relocations kept"
else
  echo "FAIL: no .reloc section: ASLR cannot move the image"
  failures=$((failures + 1))
fi

dlls=$(awk '/DLL Name:/ {print $3}' <<<"$dump" | sort | tr '\n' ' ')
if [ "$dlls" = "ADVAPI32.dll KERNEL32.dll msvcrt.dll " ]; then
  echo "ok: imports only $dlls"
else
  echo "FAIL: imports $dlls; want ADVAPI32.dll KERNEL32.dll msvcrt.dll"
  failures=$((failures + 1))
fi

# One resource: type 24 (0x18), id 1, language 1033 (0x409), 86 bytes.
resources=$(sed -n '/Resource Directory section/,$p' <<<"$dump" |
            grep -E 'Entry:|Leaf:' | sed -E 's/, Value.*//; s/Addr: 0x[0-9a-f]+, //; s/, Codepage.*//' |
            awk '{$1=""; print}' | tr -s ' ' | tr '\n' ';')
want=" Entry: ID: 0x000018; Entry: ID: 0x000001; Entry: ID: 0x000409; Leaf: Size: 0x000056;"
if [ "$resources" = "$want" ]; then
  echo "ok: the only resource is the 86-byte manifest, type 24, id 1, language 1033"
else
  echo "FAIL: resources are '$resources'; want '$want'"
  failures=$((failures + 1))
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed on $exe"; exit 1; }
