#!/usr/bin/python3
"""Writes tests/render/data/no-latin.ttf: a face with a space and a square (U+25A0) and no
other character, the face of a record that cannot draw any Latin text. Needs python3-fonttools."""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen


def square():
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 700))
    pen.lineTo((600, 700))
    pen.lineTo((600, 0))
    pen.closePath()
    return pen.glyph()


def main(path):
    builder = FontBuilder(1000, isTTF=True)
    builder.setupGlyphOrder([".notdef", "space", "uni25A0"])
    builder.setupCharacterMap({0x20: "space", 0x25A0: "uni25A0"})
    builder.setupGlyf({".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph(), "uni25A0": square()})
    builder.setupHorizontalMetrics({".notdef": (500, 0), "space": (300, 0), "uni25A0": (700, 100)})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable({"familyName": "Zozavud No Latin", "styleName": "Regular"})
    builder.setupOS2(usWinAscent=800, usWinDescent=200, sTypoAscender=800, sTypoDescender=-200)
    builder.setupPost()
    builder.save(path)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "tests/render/data/no-latin.ttf")
