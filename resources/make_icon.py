#!/usr/bin/env python3
"""Draws the program icon, a calculator, and writes it as a 48x48 32-bit .ico.

Usage: make_icon.py OUTPUT.ico
Shapes are sampled 4x4 per pixel for smooth edges; the alpha channel
carries the shape, so the AND mask is left empty.
"""
import struct
import sys

SIZE = 48
SUB = 4


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


# Layers from the bottom up: (shape, colour function of y).
body = rounded_rect(3, 2, 45, 46, 7)
display = rounded_rect(9, 8, 39, 17, 2)
keys = [rounded_rect(9 + c * 11, 21 + r * 8.5, 17 + c * 11, 27 + r * 8.5, 1.5)
        for r in range(3) for c in range(3)]
equals_key = keys[8]
layers = [(body, lambda y: lerp((66, 133, 244), (25, 60, 150), y / SIZE)),
          (display, lambda y: (226, 240, 255))]
layers += [(k, lambda y: (255, 255, 255)) for k in keys if k is not equals_key]
layers += [(equals_key, lambda y: (255, 176, 32))]


def pixel(px, py):
    """Premultiplied blend of the layers over transparency, as BGRA."""
    rgb, alpha = [0.0, 0.0, 0.0], 0.0
    for sy in range(SUB):
        for sx in range(SUB):
            x, y = px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB
            colour = None
            for shape, fill in layers:
                if shape(x, y):
                    colour = fill(y)
            if colour:
                alpha += 1
                for i in range(3):
                    rgb[i] += colour[i]
    n = SUB * SUB
    if alpha == 0:
        return bytes(4)
    r, g, b = (round(c / alpha) for c in rgb)
    return bytes((b, g, r, round(255 * alpha / n)))


def main(path):
    rows = [b"".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    xor = b"".join(reversed(rows))  # bottom-up
    mask = bytes(((SIZE + 31) // 32 * 4) * SIZE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1])
