#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the start-up picture resources/eclipse.bmp: a total solar eclipse
over a dark sky, as a 256-colour device-independent bitmap (8 bits per pixel,
bottom-up rows, 1024-byte colour table). Deterministic: the same script gives
the same bytes.

Colour table: entry 0 white (the version text), entry 15 reserved (the
program paints its title in it), entries 16-127 the sky from deep blue to the
glow around the Sun, 128-255 the corona from orange to white."""
import math
import random
import struct
import sys

WIDTH, HEIGHT = 440, 280
CENTRE = (300.0, 105.0)
MOON_RADIUS = 46.0


def palette():
    colours = [(0, 0, 0)] * 256  # entries 1-14 stay black
    colours[0] = (255, 255, 255)
    colours[15] = (254, 194, 0)
    for i in range(16, 128):  # sky: night blue to a dusky violet glow
        t = (i - 16) / 111.0
        colours[i] = (int(8 + 70 * t), int(10 + 40 * t), int(34 + 90 * t))
    stops = [(0.0, (62, 42, 104)), (0.45, (214, 132, 58)), (1.0, (255, 252, 240))]
    for i in range(128, 256):  # corona: from the sky's glow through orange to white
        t = (i - 128) / 127.0
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                u = (t - t0) / (t1 - t0)
                colours[i] = tuple(int(a + (b - a) * u) for a, b in zip(c0, c1))
                break
    return colours


def sky_index(x, y):
    dx, dy = x - CENTRE[0], y - CENTRE[1]
    glow = math.exp(-math.hypot(dx, dy) / 140.0)
    height = y / HEIGHT
    t = min(1.0, 0.15 + 0.25 * height + 0.6 * glow)
    return 16 + int(t * 111)


def corona_index(x, y):
    dx, dy = x - CENTRE[0], y - CENTRE[1]
    r = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    # Streamers: the corona reaches farther along a few directions.
    streamers = 1.0 + 0.55 * abs(math.cos(2.0 * angle)) ** 3 + 0.25 * abs(math.sin(5.0 * angle)) ** 6
    reach = (r - MOON_RADIUS) / (26.0 * streamers)
    brightness = math.exp(-reach * 1.6)
    if brightness < 0.12:
        return None  # the faint outer corona is lost in the sky's glow
    return 128 + int((brightness - 0.12) / 0.88 * 127)


def pixels():
    random.seed(1991)
    rows = [[sky_index(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    for _ in range(260):  # stars
        x, y = random.randrange(WIDTH), random.randrange(HEIGHT)
        if math.hypot(x - CENTRE[0], y - CENTRE[1]) > 110:
            rows[y][x] = 0 if random.random() < 0.3 else 200
    for y in range(HEIGHT):
        for x in range(WIDTH):
            r = math.hypot(x - CENTRE[0], y - CENTRE[1])
            if r <= MOON_RADIUS:
                rows[y][x] = 16  # the Moon's dark disc
            else:
                c = corona_index(x, y)
                if c is not None:
                    rows[y][x] = c
    # A bead of sunlight at the Moon's edge (the "diamond ring").
    bx, by = CENTRE[0] + MOON_RADIUS * 0.72, CENTRE[1] + MOON_RADIUS * 0.70
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if math.hypot(x - bx, y - by) < 4.5:
                rows[y][x] = 255
    return rows


def bmp_bytes():
    colours = palette()
    stride = (WIDTH + 3) & ~3
    image = bytearray()
    for row in reversed(pixels()):  # bottom-up
        image += bytes(row) + bytes(stride - WIDTH)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(image), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + table + bytes(image)


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/eclipse.bmp"
    with open(out, "wb") as f:
        f.write(bmp_bytes())
