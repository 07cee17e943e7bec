#!/usr/bin/env python3
# Usage: draw-emblem.py data/bitmap/emblem.bmp
# Draws the program's emblem: a globe-blue disc with a water drop, a leaf-green ground line and
# a white T, as a 24-bit BMP.
import math, struct, sys
N = 256
def inside_drop(x, y):
    # drop: circle at (128,150) r=58 plus triangle tip up to (128,40)
    cx, cy, r = 128, 152, 56
    if (x-cx)**2 + (y-cy)**2 <= r*r: return True
    if 40 <= y <= cy:
        half = (y-40) / (cy-40) * r * 0.93
        return abs(x-cx) <= half
    return False
px = []
for y in range(N):
    row = []
    for x in range(N):
        d = math.hypot(x-127.5, y-127.5)
        col = (255, 255, 255)
        if d <= 124:
            col = (22, 60, 120)          # deep blue disc
            if d >= 114: col = (200, 160, 40)   # gold ring
            elif y > 196: col = (46, 130, 60)   # green ground
            if d < 114 and inside_drop(x, y): col = (110, 180, 235)
            # white T inside the drop
            if 86 <= y <= 104 and 92 <= x <= 164: col = (255, 255, 255)
            if 86 <= y <= 190 and 119 <= x <= 137: col = (255, 255, 255)
        row.append(col)
    px.append(row)
rowbytes = N*3
pad = (4 - rowbytes % 4) % 4
data = b''
for y in range(N-1, -1, -1):
    for (r,g,b) in px[y]: data += bytes((b,g,r))
    data += b'\0'*pad
header = b'BM' + struct.pack('<IHHI', 54+len(data), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, N, N, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header+info+data)
