"""Checks that no name admins run fontfix by looks like an installer's.

On Windows Vista and later, installer detection raises an elevation prompt
for a 32-bit program whose manifest requests no execution level (fontfix's
requests none, on purpose) when its file name contains one of these words.
fontfix must never ask to be elevated, so neither the shipped file nor any
.exe the README or the deployment guide tells admins to run may carry one.

Usage: check_names.py FONTFIX.EXE DOC.md...
"""
import os
import re
import sys

INSTALLER_WORDS = ("instal", "setup", "update", "upgrad", "patch", "uninst")


def offending(name):
    return [word for word in INSTALLER_WORDS if word in name.lower()]


def main(exe, docs):
    names = {os.path.basename(exe)}
    for doc in docs:
        with open(doc, encoding="utf-8") as text:
            names |= set(re.findall(r"[\w.-]+\.exe\b", text.read(),
                                    re.IGNORECASE))
    failures = 0
    for name in sorted(names):
        words = offending(name)
        if words:
            print(f"FAIL: {name} contains {', '.join(words)}")
            failures += 1
        else:
            print(f"ok: {name}")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
