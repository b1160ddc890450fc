#!/usr/bin/python3
"""Writes a Windows icon (.ico) holding the PNG pictures given, as they are
(Windows reads PNG entries of any size since Vista):
    make-ico.py OUTPUT.ico PICTURE.png...
The same pictures always give the same bytes."""
import struct
import sys

out, pictures = sys.argv[1], [open(p, "rb").read() for p in sys.argv[2:]]
entries, data = [], b""
offset = 6 + 16 * len(pictures)
for png in pictures:
    width, height = struct.unpack(">II", png[16:24])  # the IHDR chunk's size
    entries.append(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png), offset + len(data)))
    data += png
with open(out, "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, len(pictures)) + b"".join(entries) + data)
