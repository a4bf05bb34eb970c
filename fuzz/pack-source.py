#!/usr/bin/env python3
"""Packs a word base source folder into one fuzz input for fuzz_source.

Each file becomes a line "### FILE <path>" followed by its exact bytes; the
line break before the next marker belongs to the marker.

    fuzz/pack-source.py SOURCE_DIR OUTPUT_FILE
"""
import os
import sys


def pack(root):
    out = bytearray()
    for folder, dirs, files in sorted(os.walk(root)):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root)
            if rel.endswith(".py"):
                continue
            with open(path, "rb") as f:
                content = f.read()
            if out:
                out += b"\n"
            out += b"### FILE " + rel.encode() + b"\n" + content
    return bytes(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as f:
        f.write(pack(sys.argv[1]))
