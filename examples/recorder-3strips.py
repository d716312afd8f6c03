#!/usr/bin/env python3
"""Draws examples/recorder-3strips.png: a recorder chart with three traces in three strips
(blue, green, red ink) over a grey grid, for trying the strip sampling. The matching
recorder-3strips.gra calibrates it: zero point (60, 600), X-max (860, 600), Y-max (60, 60),
so that with the default gap of 26 the strips are rows 60..222, 248..412 and 438..600."""

import math
from pathlib import Path

from png_file import write_png

WIDTH, HEIGHT = 900, 640
WHITE, GRID, AXIS = (255, 255, 255), (185, 185, 185), (0, 0, 0)
TRACES = [  # colour, strip top, strip bottom, phase; trace 2 has a break in its ink
    ((20, 40, 220), 60, 222, 0.0),
    ((10, 150, 30), 248, 412, 1.3),
    ((225, 25, 25), 438, 600, 2.1),
]


def draw():
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    for y in range(60, 601, 20):
        for x in range(60, 861):
            pixels[y][x] = GRID
    for x in range(60, 861, 40):
        for y in range(60, 601):
            pixels[y][x] = GRID
    for y in range(40, 611):
        pixels[y][60] = AXIS
    for x in range(50, 880):
        pixels[600][x] = AXIS
    for number, (colour, top, bottom, phase) in enumerate(TRACES, start=1):
        middle, swing = (top + bottom) / 2, (bottom - top) / 3
        for x in range(62, 859):
            if number == 2 and 400 <= x < 470:
                continue  # the pen lifted: the approximation bridges it
            y = round(middle + swing * math.sin(x / 70 + phase) * math.cos(x / 230))
            for dy in (-1, 0, 1):
                pixels[y + dy][x] = colour
    return pixels


if __name__ == "__main__":
    write_png(Path(__file__).with_name("recorder-3strips.png"), draw())
