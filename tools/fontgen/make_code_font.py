#!/usr/bin/python3
"""Builds the calculator code font from DejaVu Sans Mono.

Every code U+0000..U+00FF gets its own glyph: the ASCII range is DejaVu Sans Mono scaled to a
560-unit cell, the calculator codes 0x7F and 0x80..0xE2 are the calculator's symbols (taken from
DejaVu's own glyphs where it has them, drawn with pen paths where it has none), the rest is blank.
Calculator text holds one code point per byte, so the font alone makes the symbols visible.

Usage: make_code_font.py [--regular TTF] [--bold TTF] OUTPUT.ttf
"""

import argparse
import copy
import math
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.transform import Transform
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen, replayRecording
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

FAMILY = "Ulvo Code"
PS_NAME = "UlvoCode"
VERSION = "Version 1.000; derived from DejaVu Sans Mono"
DESCRIPTION = ("Code font of Ulvo Connect: ASCII from DejaVu Sans Mono, "
               "calculator symbols at U+007F and U+0080 to U+00E2.")

UPM = 1000
CELL = 560            # advance of every ASCII and control code
NARROW = 468          # superscript and subscript digits
BASE_ADVANCE = 1233   # DejaVu Sans Mono's advance at 2048 units per em
SX = CELL / BASE_ADVANCE   # a little narrower than uniform so the cell is exactly CELL wide
SY = UPM / 2048
X_HEIGHT = round(1120 * SY)
CAP_HEIGHT = round(1493 * SY)
ITALIC_SLANT = math.tan(math.radians(12))

# Drawing box of the graph-style samples 0x8B..0x94, in font units.
BOX = (40, -100, 520, 800)


class Shape:
    """A glyph outline as recorded pen operations, in output font units."""

    def __init__(self, ops=()):
        self.ops = list(ops)

    def draw(self, pen):
        replayRecording(self.ops, pen)

    def __add__(self, other):
        return Shape(self.ops + other.ops)

    def transformed(self, t):
        rec = RecordingPen()
        self.draw(TransformPen(rec, t))
        return Shape(rec.value)

    def moved(self, dx, dy=0):
        return self.transformed(Transform(1, 0, 0, 1, dx, dy))

    def scaled(self, sx, sy=None):
        return self.transformed(Transform(sx, 0, 0, sx if sy is None else sy, 0, 0))

    def bounds(self):
        pen = BoundsPen(None)
        self.draw(pen)
        return pen.bounds

    def centred(self, width):
        x0, _, x1, _ = self.bounds()
        return self.moved(width / 2 - (x0 + x1) / 2)

    def slanted(self):
        """Italic: slanted about the middle of the x-height so the letter stays in its cell."""
        t = Transform(1, 0, ITALIC_SLANT, 1, -ITALIC_SLANT * X_HEIGHT / 2, 0)
        return self.transformed(t)


class BaseFont:
    """Glyphs of a DejaVu face, decomposed and scaled into the 1000-unit cell."""

    def __init__(self, path):
        self.font = TTFont(path)
        self.glyph_set = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()

    def glyph(self, name):
        rec = DecomposingRecordingPen(self.glyph_set)
        self.glyph_set[name].draw(rec)
        return Shape(rec.value).scaled(SX, SY)

    def char(self, c):
        return self.glyph(self.cmap[ord(c)])


# ---- pen primitives: outer contours clockwise, holes counter-clockwise (TrueType) ----

def _area(points):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1])) / 2


def _contour(points, clockwise):
    points = list(points)
    if (_area(points) < 0) != clockwise:
        points.reverse()
    ops = [("moveTo", (points[0],))] + [("lineTo", (p,)) for p in points[1:]]
    return Shape(ops + [("closePath", ())])


def polygon(*points):
    return _contour(points, clockwise=True)


def hole(*points):
    return _contour(points, clockwise=False)


def rect(x0, y0, x1, y1):
    return polygon((x0, y0), (x0, y1), (x1, y1), (x1, y0))


def rect_hole(x0, y0, x1, y1):
    return hole((x0, y0), (x0, y1), (x1, y1), (x1, y0))


def square_dot(cx, cy, size):
    h = size / 2
    return rect(cx - h, cy - h, cx + h, cy + h)


def stroke(p, q, width):
    """A straight stroke of the given width from p to q, square ends."""
    (x0, y0), (x1, y1) = p, q
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    return polygon((x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny))


def polyline(points, width):
    """One mitred outline around an open polyline, so joints do not overlap."""
    def offset_side(pts):
        side = []
        for i, (x, y) in enumerate(pts):
            segs = [(pts[j], pts[j + 1]) for j in (i - 1, i) if 0 <= j < len(pts) - 1]
            normals = []
            for (ax, ay), (bx, by) in segs:
                n = math.hypot(bx - ax, by - ay)
                normals.append((-(by - ay) / n, (bx - ax) / n))
            # The mean of two unit normals has the length cos(half the turn): scale it out twice.
            mx = sum(n[0] for n in normals) / len(normals)
            my = sum(n[1] for n in normals) / len(normals)
            k = width / 2 / (mx * mx + my * my)
            side.append((x + mx * k, y + my * k))
        return side

    left = offset_side(points)
    right = offset_side(points[::-1])
    return polygon(*(left + right))


def dots_along(p, q, count, size):
    (x0, y0), (x1, y1) = p, q
    return sum((square_dot(x0 + (x1 - x0) * i / (count - 1), y0 + (y1 - y0) * i / (count - 1), size)
                for i in range(count)), Shape())


def row(shapes, width, gap=0, margin=20):
    """Shapes side by side, squeezed to fit the cell if needed, centred."""
    placed, cursor = Shape(), 0
    for s in shapes:
        x0, _, x1, _ = s.bounds()
        placed += s.moved(cursor - x0)
        cursor += x1 - x0 + gap
    total = cursor - gap
    room = width - 2 * margin
    if total > room:
        placed = placed.scaled(room / total, 1)
    return placed.centred(width)


def sit(shape, bottom):
    """Moves a shape vertically so its bottom is at the given height."""
    return shape.moved(0, bottom - shape.bounds()[1])


# ---- the calculator glyphs ----

def plot_icons():
    """Statistics plot icons, all standing on the baseline, up to the cap height."""
    t = 60          # line weight
    top = CAP_HEIGHT

    def scatter(w):
        pts = [(0.12, 0.15), (0.3, 0.45), (0.45, 0.2), (0.6, 0.7), (0.72, 0.4), (0.88, 0.85), (0.2, 0.8)]
        return sum((square_dot(w * x, top * y, 110) for x, y in pts), Shape())

    def line(w):
        pts = [(0.1, 0.15), (0.32, 0.62), (0.52, 0.3), (0.72, 0.78), (0.9, 0.5)]
        return polyline([(w * x, top * y) for x, y in pts], t)

    def histogram(w):
        heights = [0.35, 0.7, 1.0, 0.55, 0.25]
        x0, bar, gap = w * 0.08, w * 0.84 / len(heights), 20
        return sum((rect(x0 + i * bar, 0, x0 + (i + 1) * bar - gap, top * h)
                    for i, h in enumerate(heights)), Shape())

    def box_plot(w, x_lo, q1, med, q3, x_hi, outliers=()):
        cy, half, cap = top * 0.5, top * 0.32, top * 0.22
        xs = [w * v for v in (x_lo, q1, med, q3, x_hi)]
        lo, b1, m, b3, hi = xs
        left_whisker = polygon((lo, cy - cap), (lo, cy + cap), (lo + t, cy + cap), (lo + t, cy + t / 2),
                               (b1, cy + t / 2), (b1, cy - t / 2), (lo + t, cy - t / 2), (lo + t, cy - cap))
        right_whisker = polygon((hi, cy - cap), (hi, cy + cap), (hi - t, cy + cap), (hi - t, cy + t / 2),
                                (b3, cy + t / 2), (b3, cy - t / 2), (hi - t, cy - t / 2), (hi - t, cy - cap))
        box = (rect(b1, cy - half, b3, cy + half)
               + rect_hole(b1 + t, cy - half + t, m - t / 2, cy + half - t)
               + rect_hole(m + t / 2, cy - half + t, b3 - t, cy + half - t))
        dots = sum((square_dot(w * x, cy, 100) for x in outliers), Shape())
        return left_whisker + box + right_whisker + dots

    def axes_line(w):
        x0, y0 = w * 0.1, 0
        axes = polygon((x0, y0), (x0, top), (x0 + t, top), (x0 + t, y0 + t), (w * 0.92, y0 + t), (w * 0.92, y0))
        rising = stroke((x0 + t + 80, y0 + t + 90), (w * 0.88, top * 0.92), t)
        return axes + rising

    return {
        0xB5: (1120, scatter(1120)),
        0xB6: (1120, line(1120)),
        0xB7: (1120, histogram(1120)),
        0xB8: (1378, box_plot(1378, 0.22, 0.36, 0.5, 0.64, 0.78, outliers=(0.07, 0.93))),
        0xB9: (1120, box_plot(1120, 0.06, 0.3, 0.48, 0.68, 0.94)),
        0xBA: (930, axes_line(930)),
    }


def graph_styles():
    """Line and shading styles of the graph screen, drawn across one cell."""
    x0, y0, x1, y1 = BOX
    lower_left, upper_right = (x0, y0), (x1, y1)
    upper_left, lower_right = (x0, y1), (x1, y0)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    gap = 90   # set-back of a triangle from its dotted edge

    def ring_of_dots(rcx, rcy, r, n, size):
        return sum((square_dot(rcx + r * math.cos(2 * math.pi * k / n), rcy + r * math.sin(2 * math.pi * k / n), size)
                    for k in range(n)), Shape())

    return {
        0x8B: stroke(lower_left, upper_right, 40),
        0x8C: stroke(lower_left, upper_right, 110),
        0x8D: dots_along(lower_left, upper_right, 8, 40),
        0x8E: dots_along(lower_left, upper_right, 5, 100),
        0x8F: ring_of_dots(cx, cy, 210, 10, 70),
        0x90: ring_of_dots(x0 + 130, cy, 120, 8, 55) + dots_along((x0 + 300, cy), (x1, cy), 3, 50),
        0x91: polygon(lower_left, upper_left, lower_right),
        0x92: polygon(upper_left, upper_right, lower_right),
        0x93: polygon(lower_left, (x0, y1 - gap * 2), (x1 - gap, y0))
              + dots_along(upper_left, lower_right, 7, 50),
        0x94: polygon((x0 + gap, y1), upper_right, (x1, y0 + gap * 2))
              + dots_along(upper_left, lower_right, 7, 50),
    }


def calculator_glyphs(regular, bold):
    """Width and outline of every calculator code 0x7F and 0x80..0xE2 that is not blank."""
    r = regular.char

    def sym(c, width=CELL, scale=1.0, font=regular):
        return width, font.char(c).scaled(scale).centred(width)

    def italic(c):
        return CELL, r(c).slanted().centred(CELL)

    def small_cap(c):
        return CELL, r(c).scaled(X_HEIGHT / CAP_HEIGHT).centred(CELL)

    def bar_over(c, accent):
        return CELL, (r(c) + r(accent)).centred(CELL)

    superscripts = "⁰¹²³⁴⁵⁶⁷⁸⁹"
    subscripts = "₀₁₂₃₄₅₆₇₈₉"
    sub_zero = r("₀").bounds()
    sup_minus_one = (NARROW, row([r("⁻"), r("¹")], NARROW, gap=10))

    g = {}
    g[0x7F] = sym("√")
    for i, c in enumerate(superscripts):
        g[0x80 + i] = sym(c, NARROW)
    g[0x8A] = sup_minus_one
    g.update({code: (CELL, shape) for code, shape in graph_styles().items()})
    g[0x95] = sym("≤")
    g[0x96] = sym("≥")
    g[0x97] = CELL, r("█")
    g[0x98] = CELL, r("−").scaled(0.6, 1).centred(CELL).moved(0, 170)
    g[0x99] = sym("θ")
    g[0x9A] = small_cap("Δ")
    g[0x9B] = sym("▪")
    g[0x9C] = sym("▫")
    g[0x9D] = CELL, stroke((150, -60), (410, CAP_HEIGHT + 40), 150)
    g[0x9E] = sym("▶", scale=0.75)
    g[0x9F] = sym("◀", scale=0.75)
    g[0xA0] = CELL, sit(r("␣"), bottom=0).centred(CELL)
    g[0xA1] = CELL, r("√").scaled(0.8, 1).moved(110) + sit(r("x").scaled(0.45), bottom=460).moved(-45)
    g[0xA2] = sym("Σ")
    g[0xA3] = sym("↑")
    g[0xA4] = sym("↓")
    g[0xA5] = italic("i")
    g[0xA6] = sym("L", font=bold)
    g[0xA7] = small_cap("L")
    g[0xA8] = sym("→")
    g[0xA9] = bar_over("x", "¯")
    g[0xAA] = bar_over("y", "¯")
    g[0xAB] = sym("σ")
    g[0xAD] = CELL, r("_")
    g[0xAE] = sym("⬆", scale=1.25)
    g[0xAF] = sym("μ")
    g[0xB0] = CELL, r("⊗").scaled(0.6).centred(CELL).moved(0, 110)
    g[0xB1] = sym("≠")
    g[0xB2] = bar_over("p", "ˆ")
    g[0xB3] = sym("ρ")
    g[0xB4] = sym("β")
    g.update(plot_icons())
    g[0xBB] = sym("…")
    g[0xBC] = NARROW, sit(r("T").scaled((sub_zero[3] - sub_zero[1]) / CAP_HEIGHT), bottom=sub_zero[1]).centred(NARROW)
    g[0xBD] = sym("²", NARROW)
    g[0xBE] = italic("R")
    g[0xBF] = sym("°")
    for i, c in enumerate(subscripts):
        g[0xC0 + i] = sym(c, NARROW)
    g[0xCA] = sym("ʳ", NARROW)
    g[0xCB] = sym("λ")
    g[0xCC] = sym("ᵀ", NARROW)
    g[0xCD] = CELL, r("*")
    g[0xCE] = CELL, r("+")
    g[0xCF] = sym("∫")
    g[0xD0] = italic("e")
    g[0xD1] = sym("³", NARROW)
    g[0xD2] = sym("π")
    g[0xD3] = CELL, r('"')
    g[0xD4] = sup_minus_one
    g[0xD5] = CELL, row([r("₁"), r("₀")], CELL, gap=20)
    g[0xD6] = small_cap("E")
    g[0xD7] = italic("n")
    g[0xD8] = sym("χ")
    g[0xD9] = italic("F")
    g[0xDA] = g[0x9E]
    g[0xDB] = italic("n")
    g[0xDC] = CELL, r(",").moved(0, -110)
    g[0xDE] = sym("−")
    g[0xDF] = italic("1")
    g[0xE0] = italic("2")
    g[0xE1] = italic("[")
    g[0xE2] = italic("]")
    return g


BLANK_CODES = set(range(0x00, 0x21)) | {0xAC, 0xDD} | set(range(0xE3, 0x100))


def glyph_name(code):
    return "code%02X" % code


def build(regular_path, bold_path, output):
    regular, bold = BaseFont(regular_path), BaseFont(bold_path)
    symbols = calculator_glyphs(regular, bold)

    outlines = {".notdef": (CELL, regular.glyph(".notdef")), ".null": (0, Shape()),
                "nonmarkingreturn": (CELL, Shape())}
    for code in range(256):
        if code in BLANK_CODES:
            entry = (CELL, Shape())
        elif code < 0x7F:
            entry = (CELL, regular.char(chr(code)))
        else:
            entry = symbols[code]
        outlines[glyph_name(code)] = entry

    glyph_order = list(outlines)
    fb = FontBuilder(UPM, isTTF=True)
    fb.font.recalcTimestamp = False  # the same inputs give the same file
    fb.setupGlyphOrder(glyph_order)

    glyphs = {}
    for name, (_, shape) in outlines.items():
        pen = TTGlyphPen(None)
        shape.draw(pen)
        glyphs[name] = pen.glyph()
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for name, (width, _) in outlines.items():
        g = glyf[name]
        g.recalcBounds(glyf)
        metrics[name] = (width, getattr(g, "xMin", 0) if g.numberOfContours else 0)
    fb.setupHorizontalMetrics(metrics)

    mapping = {code: glyph_name(code) for code in range(256)}
    # Built by hand: FontBuilder would not write a format 6 subtable for the Macintosh platform.
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = []
    for fmt, platform, encoding in ((4, 0, 3), (6, 1, 0), (4, 3, 1)):
        sub = CmapSubtable.newSubtable(fmt)
        sub.platformID, sub.platEncID, sub.language = platform, encoding, 0
        sub.cmap = dict(mapping)
        cmap.tables.append(sub)
    fb.font["cmap"] = cmap

    base = regular.font
    ascent, descent = round(base["hhea"].ascent * SY), round(base["hhea"].descent * SY)
    fb.setupHorizontalHeader(ascent=ascent, descent=descent, lineGap=0)

    base_names = base["name"]
    fb.setupNameTable({
        "copyright": base_names.getDebugName(0),
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "%s Regular %s" % (FAMILY, VERSION.split(";")[0]),
        "fullName": FAMILY,
        "version": VERSION,
        "psName": PS_NAME,
        "description": DESCRIPTION,
        "licenseDescription": base_names.getDebugName(13),
        "licenseInfoURL": base_names.getDebugName(14),
    }, mac=True)

    base_os2 = base["OS/2"]
    fb.setupOS2(
        version=4, usWeightClass=400, usWidthClass=5, fsType=0, achVendID="NONE",
        fsSelection=0x40,  # regular
        sTypoAscender=round(base_os2.sTypoAscender * SY), sTypoDescender=round(base_os2.sTypoDescender * SY),
        sTypoLineGap=round(base_os2.sTypoLineGap * SY),
        usWinAscent=ascent, usWinDescent=-descent,
        sxHeight=X_HEIGHT, sCapHeight=CAP_HEIGHT, usDefaultChar=0, usBreakChar=0x20, usMaxContext=0,
        ulCodePageRange1=1,  # Latin 1
    )
    panose = copy.deepcopy(base_os2.panose)
    panose.bProportion = 0  # the plot icons are wider than a cell: not a monospaced font
    fb.font["OS/2"].panose = panose
    fb.font["OS/2"].recalcUnicodeRanges(fb.font)

    fb.setupPost(isFixedPitch=0, underlinePosition=round(base["post"].underlinePosition * SY),
                 underlineThickness=round(base["post"].underlineThickness * SY))
    fb.setupHead(unitsPerEm=UPM, fontRevision=1.0,
                 created=base["head"].created, modified=base["head"].modified)
    fb.setupMaxp()
    fb.save(output)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--regular", default="/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf")
    parser.add_argument("--bold", default="/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf")
    parser.add_argument("output")
    args = parser.parse_args(argv)
    build(args.regular, args.bold, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
