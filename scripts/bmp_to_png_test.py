#!/usr/bin/env python3
"""Checks the gallery's BMP-to-PNG conversion: pictures of several shapes go through a real
BMP file and come back from the PNG with every pixel where it was."""
import os
import struct
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmp_to_png  # noqa: E402


def write_bmp(path, pixels, top_down=False, bits=24):
    """pixels: rows from the top, each a list of (r, g, b)."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    rows = pixels if top_down else list(reversed(pixels))
    data = b"".join(
        bytes(c for r, g, b in row for c in (b, g, r)).ljust(stride, b"\0") for row in rows
    )
    signed_height = -height if top_down else height
    info = struct.pack("<IiiHHIIiiII", 40, width, signed_height, 1, bits, 0, len(data), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + data)


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "signature"
    at, idat = 8, b""
    while at < len(data):
        length = struct.unpack_from(">I", data, at)[0]
        kind, body = data[at + 4 : at + 8], data[at + 8 : at + 8 + length]
        crc = struct.unpack_from(">I", data, at + 8 + length)[0]
        assert crc == zlib.crc32(kind + body), f"{kind} checksum"
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert (depth, colour) == (8, 2), "8-bit RGB"
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw, stride, previous, pixels = zlib.decompress(idat), width * 3, bytes(width * 3), []
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        assert kind in (0, 1, 2), f"filter {kind}"
        for x in range(stride):
            if kind == 1 and x >= 3:
                row[x] = (row[x] + row[x - 3]) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + previous[x]) & 0xFF
        pixels.append([tuple(row[x : x + 3]) for x in range(0, stride, 3)])
        previous = row
    return pixels


def picture(width, height, kind):
    if kind == "corners":  # a different colour in each corner, grey elsewhere
        rows = [[(128, 128, 128)] * width for _ in range(height)]
        rows[0][0], rows[0][-1] = (255, 0, 0), (0, 255, 0)
        rows[-1][0], rows[-1][-1] = (0, 0, 255), (1, 2, 3)
        return rows
    if kind == "vertical":  # packs best with the row above
        return [[(y * 7 % 256, 40, 200)] * width for y in range(height)]
    return [[(x * 11 % 256, (x + y) % 256, 255 - x) for x in range(width)] for y in range(height)]


def main():
    cases = [  # width, height, content, rows stored top-down
        (1, 1, "corners", False),
        (2, 3, "corners", False),
        (5, 4, "corners", False),  # one byte of padding a row
        (6, 2, "corners", True),
        (4, 40, "vertical", False),
        (33, 17, "horizontal", False),
    ]
    failures = []
    with tempfile.TemporaryDirectory() as source, tempfile.TemporaryDirectory() as target:
        for width, height, kind, top_down in cases:
            path = os.path.join(source, f"{kind}_{width}x{height}.bmp")
            write_bmp(path, picture(width, height, kind), top_down)
        bmp_to_png.main_with(source, target)
        for width, height, kind, top_down in cases:
            name = f"{kind}_{width}x{height}"
            if os.path.exists(os.path.join(source, name + ".bmp")):
                failures.append(f"{name}: the BMP file is still there")
            if read_png(os.path.join(target, name + ".png")) != picture(width, height, kind):
                failures.append(f"{name}: pixels differ")
        # Each filter on its own, whichever the conversion would have picked.
        for width, height, kind, _ in cases:
            for png_filter in (0, 1, 2):
                path = os.path.join(target, "one_filter.png")
                rows = [bytes(c for p in row for c in p) for row in picture(width, height, kind)]
                bmp_to_png.write_png(path, width, height, rows, kinds=(png_filter,))
                if read_png(path) != picture(width, height, kind):
                    failures.append(f"{kind}_{width}x{height}, filter {png_filter}: pixels differ")
        write_bmp(os.path.join(source, "deep.bmp"), picture(2, 2, "corners"), bits=32)
        try:
            bmp_to_png.read_bmp(os.path.join(source, "deep.bmp"))
            failures.append("a 32-bit BMP was taken")
        except ValueError:
            pass
    for failure in failures:
        print("bmp_to_png:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
