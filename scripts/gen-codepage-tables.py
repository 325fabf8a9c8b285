#!/usr/bin/env python3
"""Writes core/CodePageTables.inc from the platform's code page tables in NLS layout.

    scripts/gen-codepage-tables.py [--nls-dir DIR] [--pages CP,CP,...] [-o OUT]

DIR holds c_<cp>.nls files (Debian's libwine installs them in /usr/share/wine/nls). Each
file is little-endian 16-bit words: a header (its size in words, code page, largest
character in bytes, default byte(s), default character, the character the default bytes
read as, the bytes the default character is written as, 12 bytes of lead-byte ranges),
then the word count up to the wide-character table, 256 single-byte entries, a glyph
table flag (and 256 glyphs), the number of lead-byte ranges and, when there are any, 256
row offsets followed by one 256-entry row per lead byte, and one word more; then one entry
per UTF-16 code unit (a byte, or a word for double-byte pages), look-alikes included.

The output keeps the byte-to-character side whole and, of the character-to-byte side, only
what differs from its inverse (DeriveWideChar below and in core/CodePageTable.cpp): the best
fit look-alikes and the choice between bytes that read as the same character.
"""

import argparse
import hashlib
import os
import re
import string
import struct
import sys
import unicodedata

PAGES = [1252, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 1258, 874, 437, 10000, 932, 936, 949, 950, 1361]
RUN, REPEAT = 0xFFFF, 0xFFFE


class Page:
    pass


def read_page(path):
    data = open(path, "rb").read()
    if len(data) % 2:
        raise ValueError(f"{path}: odd size")
    w = struct.unpack(f"<{len(data) // 2}H", data)
    page = Page()
    page.source = os.path.basename(path)
    page.sha256 = hashlib.sha256(data).hexdigest()
    page.size = len(data)
    (page.cp, page.max_char, page.default_bytes, page.default_char, _, page.default_char_bytes) = w[1:7]
    ranges = bytes(b for word in w[7:13] for b in (word & 0xFF, word >> 8))
    page.lead_ranges = [(ranges[i], ranges[i + 1]) for i in range(0, 12, 2) if ranges[i]]
    p = w[0]
    wide_start = p + 1 + w[p]
    p += 1
    page.single = list(w[p : p + 256])
    p += 256
    if w[p]:
        p += 256
    p += 1
    page.leads = [b for b in range(256) if any(lo <= b <= hi for lo, hi in page.lead_ranges)]
    page.rows = {}
    if w[p]:
        offsets = w[p + 1 : p + 257]
        for lead in page.leads:
            if not offsets[lead]:
                raise ValueError(f"{path}: lead byte {lead:02X} without a row")
            start = p + 1 + offsets[lead]
            page.rows[lead] = list(w[start : start + 256])
    if page.max_char == 1:
        page.wide = list(data[wide_start * 2 : wide_start * 2 + 65536])
    else:
        page.wide = list(w[wide_start : wide_start + 65536])
    if len(page.wide) != 65536 or len(page.rows) != len(page.leads):
        raise ValueError(f"{path}: truncated tables")
    return page


def sequences(page):
    """Every byte sequence with the character it reads as, single bytes first."""
    for b in range(256):
        if b not in page.rows:
            yield b, page.single[b]
    for lead in page.leads:
        for trail in range(1, 256):
            yield lead << 8 | trail, page.rows[lead][trail]


def derive_wide_char(page):
    """The inverse of the byte side: the last sequence that reads as a character writes it;
    one that reads as the default character writes nothing."""
    wide = [page.default_bytes] * 65536
    for seq, char in sequences(page):
        if char != page.default_char:
            wide[char] = seq
    return wide


def readable(v):
    """Whether an entry is written as itself: a visible character that reads left to right."""
    c = chr(v)
    if v < 0x21 or 0x7F <= v < 0xA0 or c in '"\\?' or not c.isprintable():
        return False
    if unicodedata.category(c) in ("Mn", "Mc", "Me", "Cf", "Co", "Cs", "Cn", "Zs", "Zl", "Zp"):
        return False
    return unicodedata.bidirectional(c) in ("L", "EN", "ES", "ET", "CS", "ON")


def text(v, as_character=True):
    if as_character and (v in (RUN, REPEAT) or 0xD800 <= v < 0xE000):
        raise ValueError(f"U+{v:04X} is no character")
    return chr(v) if as_character and readable(v) else f"\\u{v:04x}"


def bytes_text(seq):
    """Bytes as ASCII where they are printable, else as \\x with two or four digits."""
    if 0x21 <= seq < 0x7F and chr(seq) not in '"\\?':
        return chr(seq)
    return f"\\x{seq:02x}" if seq <= 0xFF else f"\\x{seq:04x}"


def row_entries(values):
    """The entries of one row: characters, and runs (counting up) and repeats of three or more."""
    out, i = [], 0
    while i < len(values):
        j = i + 1
        same = j < len(values) and values[j] == values[i]
        while j < len(values) and values[j] == (values[i] if same else (values[j - 1] + 1) & 0xFFFF):
            j += 1
        if j - i >= 3:
            out.append(text(REPEAT if same else RUN, False) + text(j - i, False) + text(values[i]))
            i = j
        else:
            out.append(text(values[i]))
            i += 1
    return out


def exception_entries(pairs):
    """(code unit, bytes) pairs, and runs of two or more where both count up."""
    out, i = [], 0
    while i < len(pairs):
        j = i + 1
        while j < len(pairs) and pairs[j][0] == pairs[j - 1][0] + 1 and pairs[j][1] == pairs[j - 1][1] + 1:
            j += 1
        unit, seq = pairs[i]
        pair = text(unit) + bytes_text(seq)
        if j - i >= 2:
            out.append(text(RUN, False) + text(j - i, False) + pair)
            i = j
        else:
            out.append(pair)
            i += 1
    return out


def columns(entry):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in entry)


def literal_lines(entries, indent="    ", width=100):
    lines, line, used = [], "", 0
    for entry in entries:
        if line and len(indent) + used + columns(entry) + 3 > width:
            lines.append(f'{indent}u"{line}"')
            line, used = "", 0
        if re.search(r"\\x[0-9a-f]+$", line) and entry[0] in string.hexdigits:
            entry = f"\\u{ord(entry[0]):04x}" + entry[1:]  # a hex escape would take it in
        line += entry
        used += columns(entry)
    if line:
        lines.append(f'{indent}u"{line}"')
    return lines


def emit_page(page):
    lines = [f"// {page.source}: {page.size} bytes, sha256 {page.sha256}"]
    lines.append(f"constexpr char16_t MultiByte{page.cp}[] =")
    rows = [("single bytes", [0 if b in page.rows else page.single[b] for b in range(256)])]
    rows += [(f"lead {lead:02x}", page.rows[lead]) for lead in page.leads]
    for name, row in rows:
        lines.append(f"    // {name}")
        lines += literal_lines(row_entries(row))
    lines[-1] += ";"
    derived = derive_wide_char(page)
    pairs = [(u, page.wide[u]) for u in range(65536) if page.wide[u] != derived[u]]
    for u, seq in pairs:
        if seq > 0xFF and (seq >> 8) not in page.rows:
            raise ValueError(f"{page.source}: U+{u:04X} written as {seq:04X} without a lead byte")
    lines.append(f"// {len(pairs)} characters written other than as the inverse of the bytes")
    lines.append(f"constexpr char16_t WideChar{page.cp}[] =")
    lines += literal_lines(exception_entries(pairs)) or ['    u""']
    lines[-1] += ";"
    return lines


def emit(pages, nls_dir):
    out = [
        "// Generated by scripts/gen-codepage-tables.py: do not edit.",
        f"// Source: the platform's code page tables in NLS layout, c_<cp>.nls in {nls_dir}",
        "// (Debian's libwine ships them in /usr/share/wine/nls). Make it again with",
        f"//     scripts/gen-codepage-tables.py --nls-dir {nls_dir} -o core/CodePageTables.inc",
        "//",
        "// MultiByte<cp>: the character each byte reads as, 256 single bytes (0 for a lead byte)",
        "// and then 256 trail bytes for each lead byte. An entry is a character, or U+FFFF, a",
        "// count n and a character: n characters counting up from it; or U+FFFE, n and a",
        "// character repeated n times.",
        "// WideChar<cp>: the characters written other than as the inverse of MultiByte<cp> (there",
        "// the last byte sequence reading as a character writes it, and the page's default",
        "// character is written by none): pairs of a character and its bytes (\\x, above 0xFF a",
        "// lead and a trail byte), or U+FFFF, a count n and a pair: n pairs both counting up.",
        "",
    ]
    table = []
    for page in pages:
        out += emit_page(page)
        out.append("")
        ranges = ", ".join(f"0x{lo:02x}, 0x{hi:02x}" for lo, hi in page.lead_ranges) or "0"
        table.append(
            f"    {{{page.cp}, 0x{page.default_bytes:04x}, 0x{page.default_char:04x}, "
            f"0x{page.default_char_bytes:04x}, {{{ranges}}}, Entries(MultiByte{page.cp}), "
            f"Entries(WideChar{page.cp})}},"
        )
    out.append("constexpr CodePageSource CodePageSources[] = {")
    out += table
    out.append("};")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--nls-dir", default="/usr/share/wine/nls")
    parser.add_argument("--pages", default=",".join(map(str, PAGES)))
    parser.add_argument("-o", "--output", default="core/CodePageTables.inc")
    args = parser.parse_args()
    try:
        pages = [read_page(os.path.join(args.nls_dir, f"c_{cp}.nls")) for cp in args.pages.split(",")]
    except (OSError, ValueError, struct.error) as error:
        sys.exit(f"gen-codepage-tables: {error}")
    text = emit(pages, args.nls_dir)
    with open(args.output + ".tmp", "w", encoding="utf-8", newline="\n") as file:
        file.write(text)
    os.replace(args.output + ".tmp", args.output)
    print(f"{args.output}: {len(pages)} code pages, {len(text.encode())} bytes")


if __name__ == "__main__":
    main()
