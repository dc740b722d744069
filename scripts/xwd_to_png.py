#!/usr/bin/env python3
"""Writes an X window dump as a PNG file, with nothing but Python's own library.

  xwd_to_png.py SCREEN.xwd OUT.png

./run.sh takes its screenshot from the screen Xvfb keeps in a file (-fbdir),
which spares a newcomer an image toolkit. Only what Xvfb writes there is
read: a true-colour image of 24 or 32 bits a pixel.
"""
import struct
import sys
import zlib

HEADER_FIELDS = 25  # the dump starts with this many 32-bit big-endian numbers
Z_PIXMAP = 2


def read_xwd(data):
    """Returns (width, height, rows of 8-bit RGB bytes)."""
    fields = struct.unpack(">%dI" % HEADER_FIELDS, data[:4 * HEADER_FIELDS])
    (header_size, _version, pixmap_format, _depth, width, height, _xoffset, byte_order,
     _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual, red_mask, green_mask,
     blue_mask, _bits_per_rgb, _colormap_entries, ncolors) = fields[:20]
    if pixmap_format != Z_PIXMAP or bits_per_pixel not in (24, 32):
        raise ValueError("not a true-colour dump (format %d, %d bits a pixel)"
                         % (pixmap_format, bits_per_pixel))
    step = bits_per_pixel // 8
    pixels = header_size + 12 * ncolors  # each colour map entry takes 12 bytes
    # Where each colour lies within a pixel's bytes, as the masks and the
    # dump's byte order say.
    def byte_of(mask):
        shift = (mask & -mask).bit_length() - 1
        return shift // 8 if byte_order == 0 else step - 1 - shift // 8
    offsets = [byte_of(m) for m in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[pixels + y * bytes_per_line:pixels + y * bytes_per_line + width * step]
        rgb = bytearray(width * 3)
        for channel, offset in enumerate(offsets):
            rgb[channel::3] = line[offset::step]
        rows.append(bytes(rgb))
    return width, height, rows


def png(width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body)))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    image = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", image) + chunk(b"IEND", b"")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as dump:
        width, height, rows = read_xwd(dump.read())
    with open(sys.argv[2], "wb") as out:
        out.write(png(width, height, rows))


if __name__ == "__main__":
    main()
