"""Writes the C++ source of the page's pictures: each BMP of art/ as the
bytes of a PNG file, pixel for pixel, with a palette of the few colours the
art generator uses and the smallest bit depth that holds them, and where in
the file the palette's colours are.

    png_pictures.py ART_DIR OUTPUT.cpp
"""
import struct
import sys
import zlib

PICTURES = [("TwoPoleSchematic", "two_pole.bmp"), ("ThreePoleSchematic", "three_pole.bmp"),
            ("HelpSheet", "help_sheet.bmp")]


def read_bmp(path):
    """Rows of (r, g, b), top row first, from a 24-bit uncompressed BMP."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if data[:2] != b"BM" or bits != 24 or compression != 0:
        sys.exit(path + ": not a 24-bit uncompressed BMP")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        start = offset + stride * (abs(height) - 1 - y if height > 0 else y)
        row = data[start:start + width * 3]
        rows.append([(row[i + 2], row[i + 1], row[i]) for i in range(0, width * 3, 3)])
    return width, abs(height), rows


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def png(width, height, rows):
    palette = sorted({p for row in rows for p in row})
    if len(palette) > 256:
        sys.exit("more colours than a palette holds")
    depth = next(d for d in (1, 2, 4, 8) if len(palette) <= 1 << d)
    index = {p: i for i, p in enumerate(palette)}
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter: the best for a palette picture
        bits, n = 0, 0
        for p in row:
            bits, n = bits << depth | index[p], n + depth
            if n == 8:
                raw.append(bits)
                bits, n = 0, 0
        if n:
            raw.append(bits << (8 - n))
    header = struct.pack(">IIBBBBB", width, height, depth, 3, 0, 0, 0)
    start = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    data = (start + chunk(b"PLTE", b"".join(bytes(p) for p in palette)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    return data, len(start) + 8, len(palette)  # the colours follow the chunk's length and type


def main():
    art, output = sys.argv[1], sys.argv[2]
    cases = []
    for name, file in PICTURES:
        data, palette, colours = png(*read_bmp(art + "/" + file))
        text = "".join("\\%03o" % byte for byte in data)  # octal: no escape runs into the next
        cases.append('        case Picture::%s:\n            return {{"%s", %d}, %d, %d};'
                     % (name, text, len(data), palette, colours))
    with open(output, "w") as out:
        out.write('// Made by web/png_pictures.py from the BMP files in art/.\n'
                  '#include "pictures.h"\n\nnamespace lpf::web {\n\n'
                  'PicturePng PicturePngOf(Picture picture) {\n    switch (picture) {\n' +
                  "\n".join(cases) + '\n        case Picture::None:\n            break;\n'
                  '    }\n    return {};\n}\n\n}  // namespace lpf::web\n')


main()
