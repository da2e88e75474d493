#!/usr/bin/env python3
"""Turns the 24-bit BMP files the gallery programs write into PNG files (standard library only).
Usage: bmp_to_png.py SOURCE_FOLDER TARGET_FOLDER; each BMP file goes once its PNG is written."""
import os
import struct
import sys
import zlib


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 24 or compression != 0:
        raise ValueError(f"{path}: {bits} bits a pixel, compression {compression}; want 24, none")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        # Rows are stored bottom-up unless the height is negative; pixels are blue, green, red.
        source = abs(height) - 1 - y if height > 0 else y
        start = offset + source * stride
        bgr = data[start : start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    return width, abs(height), rows


def filtered(rows, kind):
    """The scanlines with one PNG filter for all: 0 none, 1 left neighbour, 2 row above."""
    out = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        out.append(kind)
        if kind == 0:
            out += row
        elif kind == 1:
            out += bytes(row[:3]) + bytes((a - b) & 0xFF for a, b in zip(row[3:], row))
        else:
            out += bytes((a - b) & 0xFF for a, b in zip(row, previous))
        previous = row
    return bytes(out)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(path, width, height, rows, kinds=(0, 1, 2)):
    # Flat areas favour no filter, gradients the row above: keep whichever packs smaller.
    packed = min((zlib.compress(filtered(rows, k), 9) for k in kinds), key=len)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header) + chunk(b"IDAT", packed) + chunk(b"IEND", b""))


def main_with(source, target):
    for name in sorted(os.listdir(source)):
        if not name.endswith(".bmp"):
            continue
        bmp = os.path.join(source, name)
        width, height, rows = read_bmp(bmp)
        write_png(os.path.join(target, name[:-4] + ".png"), width, height, rows)
        os.remove(bmp)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: bmp_to_png.py SOURCE_FOLDER TARGET_FOLDER")
    main_with(sys.argv[1], sys.argv[2])
