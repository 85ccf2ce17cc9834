"""Prints, for each Windows executable named, its SHA-256 and its
Authenticode SHA-256.

The first is the hash of the whole file, as sha256sum and PowerShell's
Get-FileHash give it. The second is the hash that Authenticode signs and
that AppLocker and App Control (WDAC) hash rules match: it leaves out the
header's checksum, the certificate-table entry and the certificate table
itself, so a file and a signed copy of it have the same one.

usage: /usr/bin/python3 tools/lib/pe_hashes.py EXE...
"""

import hashlib
import sys

import pefile


def authenticode_sha256(data: bytes) -> str:
    pe = pefile.PE(data=data, fast_load=True)
    checksum = pe.OPTIONAL_HEADER.get_file_offset() + 64
    security = pe.OPTIONAL_HEADER.DATA_DIRECTORY[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_SECURITY"]]
    entry = security.get_file_offset()
    # The certificate table's address is a file offset, not an RVA.
    start, size = security.VirtualAddress, security.Size
    if size and (start < entry + 8 or start + size > len(data)):
        raise ValueError("its certificate table lies outside the file")
    digest = hashlib.sha256()
    digest.update(data[:checksum])
    digest.update(data[checksum + 4:entry])
    if size:
        digest.update(data[entry + 8:start])
        digest.update(data[start + size:])
    else:
        digest.update(data[entry + 8:])
    return digest.hexdigest().upper()


def main(paths: list[str]) -> int:
    if not paths:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    for path in paths:
        try:
            with open(path, "rb") as f:
                data = f.read()
            authenticode = authenticode_sha256(data)
        except (OSError, pefile.PEFormatError, ValueError) as error:
            print(f"cannot hash {path}: {error}", file=sys.stderr)
            return 1
        print(path)
        print(f"  SHA-256 of the file     {hashlib.sha256(data).hexdigest()}")
        print(f"  Authenticode SHA-256    {authenticode}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
