# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""The icon at the sizes of title bars, task bars and Alt+Tab reads as a resistor: at 16, 24, 32
and 48 px the drawing covers at least 40 % of the square, and across its middle row its bands
are runs of distinct band colours, each at least 2 px wide, apart from each other.

Usage: small_icons.py --png-dir DIR     (the Linux icons, DIR/16.png ...)
       small_icons.py --ico FILE        (Zerapol.exe's icon; needs icotool)
"""

import argparse
import glob
import os
import subprocess
import sys
import tempfile
import zlib

from check_report import exit_status

SIZES = (16, 24, 32, 48)
# The band colours the small drawings use, as the band tables give them.
BANDS = {0xFF0000: "red", 0xC000C0: "violet", 0x000000: "black", 0x7B5A15: "brown"}


def read_png(path):
    """Width, height and rows of (red, green, blue, alpha) of an 8-bit RGB or RGBA PNG."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    at, compressed = 8, b""
    while at < len(data):
        length = int.from_bytes(data[at:at + 4], "big")
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height = int.from_bytes(body[0:4], "big"), int.from_bytes(body[4:8], "big")
            depth, colour_type, interlace = body[8], body[9], body[12]
            if depth != 8 or colour_type not in (2, 6) or interlace:
                raise ValueError(f"{path}: only 8-bit RGB or RGBA, not interlaced")
        elif kind == b"IDAT":
            compressed += body
    channels = 4 if colour_type == 6 else 3
    raw, stride = zlib.decompress(compressed), width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc
                                      else corner)) & 0xFF
        rows.append([tuple(line[x * channels:x * channels + channels]) + ((255,) if channels == 3
                                                                          else ())
                     for x in range(width)])
        previous = line
    return width, height, rows


def failures_of(size, path):
    width, height, rows = read_png(path)
    if (width, height) != (size, size):
        return [f"{path} is {width} x {height}, expected {size} x {size}"]
    failures = []
    covered = sum(1 for row in rows for pixel in row if pixel[3] >= 128) / (size * size)
    if covered < 0.40:
        failures.append(f"{size} px: the drawing covers {covered:.0%} of the square")
    middle = rows[size // 2]
    runs = []  # (colour, width) of each run of one band colour
    for pixel in middle:
        colour = pixel[0] << 16 | pixel[1] << 8 | pixel[2] if pixel[3] == 255 else None
        band = colour if colour in BANDS else None
        if runs and runs[-1][0] == band:
            runs[-1][1] += 1
        else:
            runs.append([band, 1])
    bands = [(colour, run) for colour, run in runs if colour is not None]
    if len(bands) < 3:
        failures.append(f"{size} px: {len(bands)} bands across the middle, expected 3 or more")
    for colour, run in bands:
        if run < 2:
            failures.append(f"{size} px: a {BANDS[colour]} band {run} px wide")
    if len({colour for colour, _ in bands}) != len(bands):
        failures.append(f"{size} px: bands of one colour stand twice")
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--png-dir")
    parser.add_argument("--ico")
    args = parser.parse_args()
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        if args.ico:
            subprocess.run(["icotool", "-x", "-o", folder, args.ico], check=True)
            found = {}
            for path in glob.glob(os.path.join(folder, "*.png")):
                width = read_png(path)[0]
                found[width] = path
            images = {size: found.get(size) for size in SIZES}
        else:
            images = {size: os.path.join(args.png_dir, f"{size}.png") for size in SIZES}
        for size, path in images.items():
            if path is None or not os.path.exists(path):
                failures.append(f"no {size} px image")
                continue
            failures += failures_of(size, path)
    return exit_status("small_icons", failures)


if __name__ == "__main__":
    sys.exit(main())
