#!/usr/bin/python3
"""Checks the tables of a built code font against what the application relies on.

Usage: check_code_font.py FONT.ttf
Prints one line per check and "N passed, N failed"; exits non-zero when a check fails.
"""

import sys

from fontTools.ttLib import TTFont

FAMILY = "Ulvo Code"
CODES = set(range(256))
BLANK = set(range(0x00, 0x21)) | {0xAC, 0xDD} | set(range(0xE3, 0x100))
CALCULATOR = {0x7F} | set(range(0x80, 0xE3))
PLOT_ICONS = set(range(0xB5, 0xBB))
# Words that the base font's licence reserves: a derived font must not be named with them.
RESERVED = ("Bitstream", "Vera", "DejaVu")


def checks(font):
    cmap = font["cmap"]
    hmtx = font["hmtx"]
    glyf = font["glyf"]
    names = font["name"]
    subtables = {(t.platformID, t.platEncID): t for t in cmap.tables}
    unicode_map = subtables.get((3, 1)).cmap if (3, 1) in subtables else {}

    def advance(code):
        return hmtx[unicode_map[code]][0]

    def contours(code):
        return glyf[unicode_map[code]].numberOfContours

    def name_records(name_id):
        return [str(r) for r in names.names if r.nameID == name_id]

    cases = [
        ("glyph count is 259", lambda: len(font.getGlyphOrder()) == 259 and font["maxp"].numGlyphs == 259),
        ("1000 units per em", lambda: font["head"].unitsPerEm == 1000),
        ("not flagged fixed-pitch", lambda: font["post"].isFixedPitch == 0),
        ("cmap subtables are 3/1 f4, 0/3 f4, 1/0 f6",
         lambda: sorted((t.platformID, t.platEncID, t.format) for t in cmap.tables)
         == [(0, 3, 4), (1, 0, 6), (3, 1, 4)]),
        ("each subtable maps exactly U+0000..U+00FF", lambda: all(set(t.cmap) == CODES for t in cmap.tables)),
        ("subtables agree", lambda: all(t.cmap == unicode_map for t in cmap.tables)),
        ("one glyph per code, never .notdef",
         lambda: len(set(unicode_map.values())) == 256 and ".notdef" not in unicode_map.values()),
        ("control codes and ASCII are 560 wide", lambda: all(advance(c) == 560 for c in range(0x00, 0x7F))),
        ("calculator glyphs are 468..1378 wide, both ends used",
         lambda: {min(map(advance, CALCULATOR)), max(map(advance, CALCULATOR))} == {468, 1378}),
        ("plot icons are 930..1378 wide", lambda: all(930 <= advance(c) <= 1378 for c in PLOT_ICONS)),
        ("blank codes have no outline", lambda: all(contours(c) == 0 for c in BLANK)),
        ("every other code has an outline", lambda: all(contours(c) != 0 for c in CODES - BLANK)),
        ("0xCD is the same shape as 0x2A",
         lambda: glyf[unicode_map[0xCD]].getCoordinates(glyf)[0] == glyf[unicode_map[0x2A]].getCoordinates(glyf)[0]),
        ("family name is our own on every platform",
         lambda: set(name_records(1)) == {FAMILY} and len(name_records(1)) == 2),
        ("no reserved word in the font's names",
         lambda: not any(word in text for i in (1, 3, 4, 6, 16, 17) for text in name_records(i) for word in RESERVED)),
        ("base copyright kept", lambda: name_records(0) and all("Bitstream" in t for t in name_records(0))),
        ("base licence kept",
         lambda: name_records(13) and all("Bitstream Vera Fonts Copyright" in t for t in name_records(13))),
    ]
    for label, check in cases:
        try:
            ok = bool(check())
        except (KeyError, AttributeError, TypeError) as error:
            ok, label = False, "%s (%s: %s)" % (label, type(error).__name__, error)
        yield label, ok


def main(argv):
    if len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    font = TTFont(argv[0])
    results = list(checks(font))
    for label, ok in results:
        print("%s  %s" % ("PASS" if ok else "FAIL", label))
    failed = sum(not ok for _, ok in results)
    print("%d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
