#!/usr/bin/env python3
"""Writes a region of an X window dump (the screen file Xvfb keeps with -fbdir) as a PNG.

xwd_to_png.py DUMP OUT.png [LEFT TOP WIDTH HEIGHT]; standard library only.
"""
import struct
import sys
import zlib


def read_dump(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    ncolors = fields[19]
    if bits_per_pixel != 32:
        sys.exit(f"only 32-bit pixels are read, this dump has {bits_per_pixel}")
    start = header_size + ncolors * 12
    return data[start:], width, height, bytes_per_line, byte_order


def write_png(path, rows, width, height):
    def chunk(kind, body):
        out = struct.pack(">I", len(body)) + kind + body
        return out + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    pixels, width, height, stride, byte_order = read_dump(sys.argv[1])
    left, top, w, h = (int(v) for v in sys.argv[3:7]) if len(sys.argv) >= 7 else (0, 0, width, height)
    w, h = min(w, width - left), min(h, height - top)
    rows = []
    for y in range(top, top + h):
        line = pixels[y * stride + left * 4:y * stride + (left + w) * 4]
        row = bytearray()
        for x in range(0, len(line), 4):
            b, g, r = (line[x], line[x + 1], line[x + 2]) if byte_order == 0 else (line[x + 3], line[x + 2], line[x + 1])
            row += bytes((r, g, b))
        rows.append(bytes(row))
    write_png(sys.argv[2], rows, w, h)


main()
