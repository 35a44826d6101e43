#!/usr/bin/env python3
"""Makes the sample toolbar's button bitmaps in examples/Image (24-bit BMP files).

Each button is a vertical gradient of its colour with a darker frame; the corners are magenta,
the colour the toolbar treats as transparent, so the buttons look rounded on any background.
Run it again after changing a colour: python3 scripts/make-sample-images.py
"""
import os
import struct

WIDTH, HEIGHT = 56, 24
MAGENTA = (255, 0, 255)

# name: (red, green, blue) of the button's lighter top
BUTTONS = {
    "tb_group": (250, 214, 120),
    "tb_quote": (150, 200, 250),
    "tb_chart": (160, 230, 170),
    "tb_folder": (240, 190, 140),
    "tb_order": (250, 160, 160),
    "tb_account": (200, 180, 240),
    "tb_info": (200, 220, 220),
    "tb_tool": (220, 220, 180),
}


def pixel(colour, x, y):
    corner = (x in (0, WIDTH - 1)) and (y in (0, HEIGHT - 1))
    if corner:
        return MAGENTA
    shade = 1.0 - 0.35 * y / (HEIGHT - 1)
    r, g, b = (int(c * shade) for c in colour)
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        r, g, b = r // 2, g // 2, b // 2
    return r, g, b


def bmp(colour):
    row_bytes = (WIDTH * 3 + 3) & ~3
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(colour, x, y)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "Image")
    os.makedirs(folder, exist_ok=True)
    for name, colour in BUTTONS.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(bmp(colour))


if __name__ == "__main__":
    main()
