#!/usr/bin/env python3
# Usage: draw-option-pictures.py data/bitmap
# Draws the pictures of the analysis window's concentration options as 24-bit BMPs of 32x32
# pixels (shown at 16 logical pixels, so they stay sharp on high-DPI screens): check.bmp, a
# white box with a green tick, and uncheck.bmp, the empty box.
import os, struct, sys

N = 32
BORDER = (70, 78, 92)
FACE = (255, 255, 255)
TICK = (30, 140, 60)


def tick_distance(x, y):
    # Distance from the pixel centre to the tick's two strokes: (8,17)-(14,23) and (14,23)-(25,9).
    def segment(px, py, ax, ay, bx, by):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        cx, cy = ax + t * dx, ay + t * dy
        return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5
    px, py = x + 0.5, y + 0.5
    return min(segment(px, py, 8, 17, 14, 23), segment(px, py, 14, 23, 25, 9))


def blend(a, b, share):
    return tuple(round(a[i] * (1 - share) + b[i] * share) for i in range(3))


def picture(checked):
    rows = []
    for y in range(N):
        row = []
        for x in range(N):
            if x < 2 or y < 2 or x >= N - 2 or y >= N - 2:
                colour = BORDER
            else:
                colour = FACE
                if checked:
                    d = tick_distance(x, y)
                    # A stroke 4 pixels wide with a one-pixel soft edge.
                    share = max(0.0, min(1.0, 2.5 - d))
                    colour = blend(FACE, TICK, share)
            row.append(colour)
        rows.append(row)
    return rows


def write_bmp(path, rows):
    data = b''
    for row in reversed(rows):
        for (r, g, b) in row:
            data += bytes((b, g, r))
        data += b'\0' * ((4 - (N * 3) % 4) % 4)
    header = b'BM' + struct.pack('<IHHI', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, N, N, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


write_bmp(os.path.join(sys.argv[1], 'check.bmp'), picture(True))
write_bmp(os.path.join(sys.argv[1], 'uncheck.bmp'), picture(False))
