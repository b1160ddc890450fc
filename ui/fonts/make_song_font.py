#!/usr/bin/python3
"""Builds the program's Song face: AR PL UMing CN cut down to the characters
the program itself writes (every non-ASCII character of the given source
files, plus printable ASCII), under a family name of its own.

The 20 MB collection costs a few megabytes of resident memory once FreeType
has looked its glyphs up; the cut-down face holds a few hundred glyphs and
draws them pixel for pixel as the full face does: outlines, the glyph
bounding boxes FreeType places them by, and the embedded bitmaps are kept
as they are. Characters outside it (whatever a user types) fall back to
the installed AR PL UMing CN.

Usage: make_song_font.py --source uming.ttc --output song.ttf
                         --family NAME SOURCE-FILE...
"""

import argparse
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

# Tables horizontal Latin and Chinese text does not use.
UNUSED_TABLES = ["BDF ", "FFTM", "GSUB", "GPOS", "GDEF", "VORG", "vhea", "vmtx"]

NOTICE = ("Subset of AR PL UMing CN (Arphic Public License) holding only the "
          "characters of the Qorvi calculator's own texts, renamed; glyphs unchanged.")


def characters(files):
    chars = {chr(c) for c in range(0x20, 0x7F)}
    for name in files:
        for ch in pathlib.Path(name).read_text(encoding="utf-8"):
            if ord(ch) > 0x7F:
                chars.add(ch)
    return chars


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--family", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()

    # The stored glyph boxes are kept: FreeType places each glyph by its box,
    # and this face's boxes are not its outlines' exact bounds, so boxes
    # recomputed from the outlines would shift every glyph a little.
    collection = TTCollection(args.source, recalcBBoxes=False)
    font = next(f for f in collection.fonts if f["name"].getDebugName(1) == "AR PL UMing CN")

    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.glyph_names = False
    options.recalc_bounds = False
    options.drop_tables = list(UNUSED_TABLES)  # the embedded bitmaps are kept
    subsetter = subset.Subsetter(options)
    wanted = characters(args.files)
    subsetter.populate(unicodes=[ord(c) for c in wanted])
    subsetter.subset(font)

    missing = sorted(c for c in wanted if ord(c) not in font.getBestCmap())
    if missing:
        print("make_song_font: not in AR PL UMing CN: " + " ".join("U+%04X" % ord(c) for c in missing),
              file=sys.stderr)

    postscript = args.family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = args.family
        elif record.nameID == 6:
            record.string = postscript
        elif record.nameID == 3:
            record.string = postscript + " subset"
    font["name"].setName(NOTICE, 10, 3, 1, 0x409)
    font.save(args.output)


if __name__ == "__main__":
    main()
