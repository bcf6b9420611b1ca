#!/usr/bin/env python3
"""Writes a program's XPM icon as a Windows .ico file, for the program's resources.

The icons are small XPM images with one character per pixel and colours given as #RRGGBB or None
(transparent). The .ico holds one image of the same size, 32 bits per pixel, with its AND mask.

usage: xpm_to_ico.py ICON.xpm ICON.ico
"""

import re
import struct
import sys


def read_xpm(path):
    with open(path, encoding="ascii") as f:
        strings = re.findall(r'"([^"]*)"', f.read())
    width, height, colours, chars = (int(v) for v in strings[0].split()[:4])
    palette = {}
    for line in strings[1 : 1 + colours]:
        key, rest = line[:chars], line[chars:].split()
        value = rest[rest.index("c") + 1]
        if value.lower() == "none":
            palette[key] = None
        elif re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
            palette[key] = tuple(int(value[i : i + 2], 16) for i in (1, 3, 5))
        else:
            raise ValueError(f"{path}: colour {value!r} is neither #RRGGBB nor None")
    rows = strings[1 + colours : 1 + colours + height]
    if len(rows) != height or any(len(row) != width * chars for row in rows):
        raise ValueError(f"{path}: the pixel rows do not match {width}x{height}")
    return width, height, [
        [palette[row[x * chars : (x + 1) * chars]] for x in range(width)] for row in rows
    ]


def ico_bytes(width, height, pixels):
    # A DIB stored bottom-up, twice the height for the colour image and the mask together.
    colour = bytearray()
    mask = bytearray()
    mask_row_bytes = (width + 31) // 32 * 4
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, pixel in enumerate(row):
            if pixel is None:
                colour += bytes(4)
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                red, green, blue = pixel
                colour += bytes((blue, green, red, 255))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack(
        "<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), 6 + 16
    )
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    width, height, pixels = read_xpm(sys.argv[1])
    with open(sys.argv[2], "wb") as f:
        f.write(ico_bytes(width, height, pixels))


if __name__ == "__main__":
    main()
