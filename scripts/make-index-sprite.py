#!/usr/bin/env python3
"""Draws the index panel's sprite bitmap (resource 430): 14 x 14 entry icons in cells 16
pixels apart, normal, hover and selected from left to right; the row at y = 80 is the
"all" entry, y = 96 a month, y = 112 a favourite. Writes platform/gdi/icons/430.png."""
import struct
import sys
import zlib

WIDTH, HEIGHT = 48, 128
pixels = [[(0, 0, 0, 0)] * WIDTH for _ in range(HEIGHT)]


def put(x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        pixels[y][x] = colour + (255,)


def fill(x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            put(x, y, colour)


def frame(x0, y0, x1, y1, colour):
    for x in range(x0, x1):
        put(x, y0, colour)
        put(x, y1 - 1, colour)
    for y in range(y0, y1):
        put(x0, y, colour)
        put(x1 - 1, y, colour)


def polygon(points, colour):
    """Fills the polygon by testing each pixel centre (even-odd rule)."""
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py, inside = x + 0.5, y + 0.5, False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                    inside = not inside
            if inside:
                put(x, y, colour)


# Ink and paper of the three looks: normal, under the mouse, selected.
LOOKS = [((74, 96, 46), (255, 255, 255)),
         ((58, 128, 30), (238, 248, 226)),
         ((168, 96, 16), (255, 246, 214))]


def photos(x, y, ink, paper):
    """Two photos, one laid over the other."""
    fill(x + 4, y + 1, x + 14, y + 9, paper)
    frame(x + 4, y + 1, x + 14, y + 9, ink)
    fill(x, y + 5, x + 10, y + 13, paper)
    frame(x, y + 5, x + 10, y + 13, ink)
    polygon([(x + 1, y + 12), (x + 4, y + 8), (x + 6, y + 10), (x + 7, y + 9), (x + 9, y + 12)],
            ink)


def calendar(x, y, ink, paper):
    """A calendar page with its binding strip and days."""
    fill(x + 1, y + 2, x + 13, y + 14, paper)
    frame(x + 1, y + 2, x + 13, y + 14, ink)
    fill(x + 1, y + 2, x + 13, y + 5, ink)
    for ring in (x + 4, x + 9):
        fill(ring, y, ring + 1, y + 3, ink)
    for row in range(3):
        for col in range(4):
            put(x + 3 + col * 2 + (col > 1), y + 7 + row * 2, ink)


def star(x, y, ink, paper):
    """A five-pointed star."""
    outer = [(7.0, 0.5), (9.0, 5.0), (13.7, 5.2), (10.1, 8.3), (11.3, 13.3),
             (7.0, 10.6), (2.7, 13.3), (3.9, 8.3), (0.3, 5.2), (5.0, 5.0)]
    polygon([(x + a, y + b) for a, b in outer], ink)
    inner = [(7.0, 3.5), (8.0, 6.3), (10.6, 6.4), (8.6, 8.1), (9.3, 10.9),
             (7.0, 9.3), (4.7, 10.9), (5.4, 8.1), (3.4, 6.4), (6.0, 6.3)]
    polygon([(x + a, y + b) for a, b in inner], paper)


for column, (ink, paper) in enumerate(LOOKS):
    photos(column * 16, 80, ink, paper)
    calendar(column * 16, 96, ink, paper)
    star(column * 16, 112, ink, paper)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


rows = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
with open(sys.argv[1] if len(sys.argv) > 1 else "platform/gdi/icons/430.png", "wb") as out:
    out.write(png)
