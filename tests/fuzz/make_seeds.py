#!/usr/bin/env python3
"""Writes the synthetic seed inputs of the fuzz corpora: small history files and BMP pictures of every kind the
decoder knows, and a small theme file holding each type of entry. Run from anywhere; the built-in themes and
the window descriptions in the corpora are copies of the project's own files."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    with open(os.path.join(HERE, "corpus", target, name), "wb") as f:
        f.write(data)


# History files: a count, then per record a text, the stamp, four texts and four integers.
def text(s):
    return struct.pack("<i", len(s)) + s


def record(cmd, stamp, reserved=(b"", b"", b"", b""), ints=(0, 0, 0, 0)):
    return text(cmd) + struct.pack("<I", stamp) + b"".join(text(r) for r in reserved) + struct.pack("<4i", *ints)


def history(records, count=None):
    return struct.pack("<i", len(records) if count is None else count) + b"".join(records)


def history_seeds():
    write("history", "empty", history([]))
    write("history", "one", history([record(b"ABC", 0x450AF3AB)]))
    write("history", "several", history([record(b"WRKACTJOB", 1158352107), record(b"DSPLIB QGPL", 2208988800),
                                         record(b"CALL PGM(X)", 4102444800, (b"A", b"", b"BC", b""), (1, -2, 3, 4))]))
    write("history", "longest", history([record(b"X" * 1023, 1)]))
    write("history", "too_long", history([record(b"Y" * 1100, 2, (b"QQQ", b"", b"", b""))]))
    write("history", "short", history([record(b"ABC", 3)], count=5)[:30])
    write("history", "negative", history([record(b"ABC", 3)], count=-1))


# BMP pictures: 3 x 2 pixels unless said otherwise.
def rows(width, height, bits, pixel):
    stride = (width * bits + 31) // 32 * 4
    out = b""
    for y in range(height):
        bitrow = b""
        if bits <= 8:
            acc, n = 0, 0
            for x in range(width):
                acc = acc << bits | pixel(x, y)
                n += bits
                if n == 8:
                    bitrow += bytes([acc]); acc, n = 0, 0
            if n:
                bitrow += bytes([acc << (8 - n)])
        else:
            bitrow = b"".join(pixel(x, y) for x in range(width))
        out += bitrow + b"\0" * (stride - len(bitrow))
    return out


def info(size, width, height, bits, compression=0, colors=0, extra=b""):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, 0, 2835, 2835, colors, 0)
    return (head + extra).ljust(size, b"\0")


def bmp_file(dib, table_and_header_size):
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + table_and_header_size) + dib


def palette(n):
    return b"".join(bytes([i * 40 % 256, i * 90 % 256, i * 150 % 256, 0]) for i in range(n))


def bmp_seeds():
    w, h = 3, 2
    for bits, n in ((1, 2), (4, 16), (8, 256)):
        head = info(40, w, h, bits) + palette(n)
        write("bmp", "indexed%d.bmp" % bits, bmp_file(head + rows(w, h, bits, lambda x, y: (x + y) % n), len(head)))
    head = info(40, w, h, 8, colors=3) + palette(3)
    write("bmp", "indexed8_few_colours.bmp", bmp_file(head + rows(w, h, 8, lambda x, y: x % 3), len(head)))
    head = info(40, w, h, 16)
    write("bmp", "rgb555.bmp", bmp_file(head + rows(w, h, 16, lambda x, y: struct.pack("<H", 0x7C1F >> x)), len(head)))
    head = info(40, w, h, 16, compression=3) + struct.pack("<3I", 0xF800, 0x07E0, 0x001F)
    write("bmp", "rgb565_bitfields.bmp", bmp_file(head + rows(w, h, 16, lambda x, y: struct.pack("<H", 0xF81F)), len(head)))
    head = info(40, w, h, 24)
    write("bmp", "rgb24.bmp", bmp_file(head + rows(w, h, 24, lambda x, y: bytes([x * 80, y * 100, 255])), len(head)))
    head = info(40, w, -h, 24)
    write("bmp", "rgb24_top_down.bmp", bmp_file(head + rows(w, h, 24, lambda x, y: bytes([255, x * 80, 0])), len(head)))
    head = info(40, w, h, 32)
    write("bmp", "rgb32.bmp", bmp_file(head + rows(w, h, 32, lambda x, y: bytes([1, 2, 3, 4 * x])), len(head)))
    masks = struct.pack("<4I", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    for size in (52, 56, 108, 124):
        head = info(size, w, h, 32, compression=3 if size < 108 else 6, extra=masks)
        write("bmp", "masks_header%d.bmp" % size, bmp_file(head + rows(w, h, 32, lambda x, y: bytes([9, 8, 7, 255])), len(head)))
    core = struct.pack("<IHHHH", 12, w, h, 1, 8) + b"".join(bytes([i, i, 255 - i]) for i in range(256))
    write("bmp", "os2_core.bmp", bmp_file(core + rows(w, h, 8, lambda x, y: x * 7), len(core)))
    head = info(40, w, h, 4) + palette(16)
    write("bmp", "packed_dib4", head + rows(w, h, 4, lambda x, y: x))


# A theme file: 24-byte header, entries of a 77-byte header and their data, a 77-byte terminator.
def theme_seeds():
    entries = []
    pic = open(os.path.join(HERE, "corpus", "bmp", "rgb24.bmp"), "rb").read()
    for name, kind, data in ((b"ButtonImage", 0, pic), (b"FormBackgroundColor", 1, struct.pack("<i", 0xE7E7E7)),
                             (b"FormBorderWidthInt", 1, struct.pack("<i", 3)), (b"ButtonTransparent", 2, b"\1"),
                             (b"Comment", 3, b"a small theme"), (b"Unknown", 7, b"??")):
        entries.append((name, kind, data))
    out = b"VanSkin_TB\0\0" + struct.pack("<3I", 24, 1, 24)
    for name, kind, data in entries:
        offset = len(out) + 77
        out += name.ljust(64, b"\0") + struct.pack("<BIII", kind, offset, len(data), offset + len(data)) + data
    out += b"\0" * 64 + struct.pack("<BIII", 2, 0, 0, 0)
    write("theme_file", "small.vsk", out)


history_seeds()
bmp_seeds()
theme_seeds()
