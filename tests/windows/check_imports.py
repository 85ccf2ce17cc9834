"""Checks that fontfix.exe imports exactly the reviewed DLL!function pairs.

Windows' loader refuses to start a program that imports a function its own
DLLs lack, and Wine's DLLs have them all, so running under Wine cannot show
it. Every pair in the list exists on Windows 2000; a toolchain update that
pulls in a newer function, or any other change to the import table, fails
here with the pairs added and removed.

Usage: check_imports.py FONTFIX.EXE IMPORTS.TXT
"""
import sys

import pefile


def image_imports(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    pairs = set()
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        dll = entry.dll.decode("ascii")
        for imp in entry.imports:
            name = imp.name.decode("ascii") if imp.name else f"#{imp.ordinal}"
            pairs.add(f"{dll}!{name}")
    return pairs


def reviewed_imports(path):
    pairs = set()
    with open(path, encoding="ascii") as listing:
        for line in listing:
            entry = line.split("#", 1)[0].strip()
            if entry:
                pairs.add(entry)
    return pairs


def main(exe, listing):
    have = image_imports(exe)
    want = reviewed_imports(listing)
    for pair in sorted(have - want):
        print(f"FAIL: imports {pair}, which is not in {listing}")
    for pair in sorted(want - have):
        print(f"FAIL: no longer imports {pair}; take it out of {listing}")
    if have != want:
        return 1
    print(f"ok: the {len(have)} imports are exactly the reviewed list")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
