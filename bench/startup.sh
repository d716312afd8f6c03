#!/usr/bin/env bash
# Seconds from launching the program to its main window on screen, without a file and with a
# picture named on the command line, under a private Xvfb. The difference is what the picture
# costs after the splash (which stays three seconds whatever happens).
#   bench/startup.sh PROGRAM [PICTURE] [RUNS]
# Without PICTURE a 6000 x 4000 PNG of a scanned chart (paper grain, axes, a curve; about
# 47 MB) is made in a temporary folder.
set -euo pipefail
program=$(realpath "$1")
picture=${2:-}
runs=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -z "$picture" ]; then
    picture=$work/scan6000.png
    python3 - "$picture" <<'PY'
import os, struct, sys, zlib
W, H = 6000, 4000
grain = bytes(215 + (b * 40) // 256 for b in range(256))
rows = [os.urandom(W * 3).translate(grain) for _ in range(97)]
raw = bytearray()
for y in range(H):
    row = bytearray(rows[(y * 31) % 97])
    if 300 <= y <= 3700:
        row[900:909] = bytes(9)
    if 3697 <= y <= 3700:
        row[900:17100] = bytes(16200)
    x = 300 + (y * 5400) // 4000
    row[x * 3:x * 3 + 12] = b'\x20\x20\xc0' * 4
    raw += b'\0' + row
def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))
with open(sys.argv[1], 'wb') as out:
    out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, 2, 0, 0, 0))
              + chunk(b'IDAT', zlib.compress(bytes(raw), 6)) + chunk(b'IEND', b''))
PY
fi
picture=$(realpath "$picture")

cat >"$work/run.sh" <<RUN
measure() { # label, then the file to open (none for an empty start)
    local start=\$(date +%s.%N) title="Lineora3\${2:+   }\${2:-}"
    "$program" \${2:+"\$2"} >/dev/null 2>&1 &
    local pid=\$!
    until xdotool search --onlyvisible --name "\$title" >/dev/null 2>&1; do
        kill -0 \$pid 2>/dev/null || { echo "\$1 failed"; return; }
        sleep 0.01
    done
    echo "\$1 \$(echo "\$(date +%s.%N) - \$start" | bc)"
    kill \$pid; wait \$pid 2>/dev/null || true
}
for run in \$(seq $runs); do
    measure "no-file" 
    measure "picture" "$picture"
done
RUN
xvfb-run -a -s '-screen 0 1400x900x24' bash "$work/run.sh"
