#!/usr/bin/env python3
"""Writes resources/tavro.ico: one 32 x 32 image with 32-bit colour.

The artwork is a small monitor showing a test card: colour bars over a grey ramp,
with a white cross-hair in the middle. Run it again only to change the artwork.
"""
import os
import struct

SIZE = 32
BARS = [(255, 255, 255), (255, 255, 0), (0, 255, 255), (0, 255, 0),
        (255, 0, 255), (255, 0, 0), (0, 0, 255)]


def pixel(x, y):
    """RGBA of the pixel at (x, y), y counted from the top."""
    frame = (18, 24, 31, 255)
    if y >= 27:  # the monitor's foot
        return frame if 11 <= x <= 20 and y <= 29 else (0, 0, 0, 0)
    if x < 1 or x > 30 or y < 2 or y > 26:
        return (0, 0, 0, 0)
    if x < 3 or x > 28 or y < 4 or y > 24:
        return frame
    if x == 15 or y == 13:  # cross-hair
        return (255, 255, 255, 255)
    if y < 18:
        r, g, b = BARS[min((x - 3) * len(BARS) // 26, len(BARS) - 1)]
        return (r, g, b, 255)
    v = (x - 3) * 255 // 25
    return (v, v, v, 255)


def main():
    xor = bytearray()
    for y in reversed(range(SIZE)):  # bitmap rows run bottom-up
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            xor += bytes((b, g, r, a))
    and_mask = bytes(SIZE * SIZE // 8)  # all opaque; the alpha channel decides
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + bytes(xor) + and_mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'tavro.ico')
    with open(out, 'wb') as f:
        f.write(directory + entry + image)


if __name__ == '__main__':
    main()
