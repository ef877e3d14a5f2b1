# Prints the size of an xwd screenshot read from stdin, then the colour "R,G,B" at each "X,Y" argument.
import struct
import sys

data = sys.stdin.buffer.read()
header = struct.unpack(">25I", data[:100])
header_size, width, height = header[0], header[4], header[5]
byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
masks = header[14:17]
colormap_entries = header[19]
pixels = header_size + colormap_entries * 12


def shift(mask):
    return (mask & -mask).bit_length() - 1


def colour(x, y):
    at = pixels + y * bytes_per_line + x * (bits_per_pixel // 8)
    value = int.from_bytes(data[at:at + bits_per_pixel // 8], "little" if byte_order == 0 else "big")
    return tuple((value & m) >> shift(m) for m in masks)


print(width, height)
for arg in sys.argv[1:]:
    x, y = (int(v) for v in arg.split(","))
    print("%d,%d,%d" % colour(x, y) if 0 <= x < width and 0 <= y < height else "outside")
