#!/usr/bin/env bash
# Draws examples/sample-chart.bmp: a plain chart with X 0..10 and Y 0..3, two curves, for
# trying the program out. Run again only to change the sample.
set -euo pipefail
cd "$(dirname "$0")/.."
# Zero at (100,500), X 10 at (700,500), Y 3 at (100,140): 60 px per X unit, 120 per Y unit.
curve() { awk -v kind="$1" 'BEGIN { for (x = 0; x <= 10.0001; x += 0.1) {
    y = kind == 1 ? 3 * (1 - exp(-x / 2.5)) : 1.2 + 0.8 * sin(x * 0.9);
    printf "%d,%d ", 100 + x * 60, 500 - y * 120 } }'; }
grid=""
for i in $(seq 1 10); do grid+="line $((100 + i * 60)),140 $((100 + i * 60)),500 "; done
for i in 1 2 3 4 5 6; do grid+="line 100,$((500 - i * 60)) 700,$((500 - i * 60)) "; done
labels=""
for i in $(seq 0 10); do labels+="text $((95 + i * 60 - (i >= 10 ? 4 : 0))),522 '$i' "; done
for i in 0 1 2 3; do labels+="text 78,$((505 - i * 120)) '$i' "; done
convert -size 800x600 xc:white \
    -stroke '#d0d0d0' -strokewidth 1 -draw "$grid" \
    -stroke black -strokewidth 2 -draw "line 100,500 700,500 line 100,500 100,140" \
    -fill none -stroke '#1f4fbf' -strokewidth 2 -draw "polyline $(curve 1)" \
    -stroke '#c02020' -draw "polyline $(curve 2)" \
    -stroke none -fill black -font DejaVu-Sans -pointsize 14 -draw "$labels" \
    -draw "text 380,560 'time, s'" -draw "text 20,130 'U, V'" \
    -type TrueColor BMP3:examples/sample-chart.bmp
