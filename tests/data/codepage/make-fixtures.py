#!/usr/bin/env python3
"""Writes the two hand-made code pages in NLS layout that the generator's test reads:
c_9001.nls (single-byte, with a glyph table) and c_9002.nls (double-byte, lead bytes
81 and 82). Run it here; the test compares the generator's output with expected.inc."""

import struct


def header(cp, max_char, default_bytes, default_char, default_char_bytes, lead_ranges):
    ranges = bytes(lead_ranges).ljust(12, b"\0")
    return [13, cp, max_char, default_bytes, default_char, 0x003F, default_char_bytes] + list(
        struct.unpack("<6H", ranges)
    )


def single_byte():
    single = list(range(0x80)) + [0x20AC, 0xF8F0, 0x00E9, 0x00E9] + [0x0410 + b - 0x84 for b in range(0x84, 0x100)]
    wide = [0x3F] * 65536
    for b in reversed(range(256)):  # the first byte of a character writes it: é is 82
        wide[single[b]] = b
    wide[0x0100] = 0x41  # Ā written as A
    for u in range(0xFF01, 0xFF04):  # full-width ！＂＃ as !"#
        wide[u] = u - 0xFF01 + 0x21
    glyphs = [0x263A if b == 1 else single[b] for b in range(256)]
    words = header(9001, 1, 0x3F, 0x3F, 0x3F, [])
    words += [256 + 1 + 256 + 2] + single + [256] + glyphs + [0, 0]
    return struct.pack(f"<{len(words)}H", *words) + bytes(wide)


def double_byte():
    single = list(range(0x80)) + [0x0080, 0, 0] + [0xF8F0] * 0x1D
    single += [0xF8F0] + [0xFF61 + b - 0xA1 for b in range(0xA1, 0xE0)] + [0xF8F0] * 0x20
    lead81 = [0x30FB] * 256
    lead81[0x40], lead81[0x45], lead81[0x49] = 0x3000, 0x30FB, 0xFF01
    lead81[0x91], lead81[0x92] = 0xFFE0, 0xFFE1
    lead82 = [0x30FB] * 256
    lead82[0x9F:0xA4] = range(0x3041, 0x3046)
    wide = [0x3F] * 65536
    for b in range(256):
        if b not in (0x81, 0x82):
            wide[single[b]] = b
    for lead, row in ((0x81, lead81), (0x82, lead82)):
        for t in range(1, 256):
            if row[t] != 0x30FB:
                wide[row[t]] = lead << 8 | t
    wide[0x30FB] = 0x8145
    wide[0xF8F0] = 0xA0  # the first byte reading as U+F8F0 writes it
    wide[0x00A5], wide[0x00A3], wide[0x00A2] = 0x5C, 0x8192, 0x8191  # ¥ £ ¢
    words = header(9002, 2, 0x3F, 0x30FB, 0x8145, [0x81, 0x82])
    offsets = [0] * 256
    offsets[0x81], offsets[0x82] = 256, 512
    mb = single + [0] + [1] + offsets + lead81 + lead82 + [4]
    words += [len(mb)] + mb
    return struct.pack(f"<{len(words)}H", *words) + struct.pack("<65536H", *wide)


open("c_9001.nls", "wb").write(single_byte())
open("c_9002.nls", "wb").write(double_byte())
