#!/usr/bin/env python3
"""Draws examples/photographed-chart.png: a chart as a phone photographs it, held below and to
the left of the page, so that the plot frame is a trapezoid. The flat chart has its frame at
(80, 60) .. (560, 380) with a grey grid, tick marks and a blue curve; the photograph puts the
frame's corners at FRAME_IN_PHOTO (top-left, top-right, bottom-right, bottom-left), which are
the four corners to click for the rectify tool or to give to lineora --rectify."""

import math
from pathlib import Path

from png_file import write_png

WIDTH, HEIGHT = 640, 460
PAPER, GRID, INK, CURVE = (255, 255, 255), (190, 190, 190), (0, 0, 0), (30, 60, 200)
FRAME = [(80, 60), (560, 60), (560, 380), (80, 380)]
FRAME_IN_PHOTO = [(150, 70), (520, 40), (600, 420), (60, 400)]


def chart():
    w, h = 640, 440
    pixels = [[PAPER] * w for _ in range(h)]
    for x in range(80, 561, 48):
        for y in range(60, 381):
            pixels[y][x] = GRID
    for y in range(60, 381, 40):
        for x in range(80, 561):
            pixels[y][x] = GRID
    for (x0, y0), (x1, y1) in zip(FRAME, FRAME[1:] + FRAME[:1]):
        for t in range(0, 481):
            x, y = round(x0 + (x1 - x0) * t / 480), round(y0 + (y1 - y0) * t / 480)
            for d in (-1, 0, 1):
                pixels[y + (d if y0 == y1 else 0)][x + (d if x0 == x1 else 0)] = INK
    for x in range(80, 561, 48):
        for y in range(381, 390):
            pixels[y][x] = INK
    for y in range(60, 381, 40):
        for x in range(70, 80):
            pixels[y][x] = INK
    for x10 in range(820, 5600):
        x = x10 / 10
        y = 220 - 120 * math.sin((x - 80) / 70) * math.exp(-(x - 80) / 600)
        for dy in (-1, 0, 1):
            pixels[round(y) + dy][round(x)] = CURVE
    return pixels


def solve(a, b):
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                m[r] = [v - f * u for v, u in zip(m[r], m[c])]
    return [m[i][n] / m[i][i] for i in range(n)]


def homography(src, dst):
    """The projective map taking each point of src onto the same point of dst."""
    a, b = [], []
    for (x, y), (u, v) in zip(src, dst):
        a.append([x, y, 1, 0, 0, 0, -u * x, -u * y])
        a.append([0, 0, 0, x, y, 1, -v * x, -v * y])
        b += [u, v]
    h = solve(a, b)
    return lambda x, y: ((h[0] * x + h[1] * y + h[2]) / (h[6] * x + h[7] * y + 1),
                         (h[3] * x + h[4] * y + h[5]) / (h[6] * x + h[7] * y + 1))


def photograph(flat):
    to_chart = homography(FRAME_IN_PHOTO, FRAME)
    shot = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            cx, cy = to_chart(x, y)
            cx, cy = round(cx), round(cy)
            inside = 0 <= cy < len(flat) and 0 <= cx < len(flat[0])
            row.append(flat[cy][cx] if inside else PAPER)
        shot.append(row)
    return shot


if __name__ == "__main__":
    write_png(Path(__file__).with_name("photographed-chart.png"), photograph(chart()))
