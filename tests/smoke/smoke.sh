#!/usr/bin/env bash
# Starts the real program on a chart under a private X server, calibrates with the three-click
# tool, adds points with the mouse, checks the marks on the screen, and closes with Q and Yes.
#   smoke.sh LINEORA CHART
set -euo pipefail
# A real window on the private display, whatever platform the other tests run on.
unset QT_QPA_PLATFORM
if [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s '-screen 0 1400x900x24' "$0" --inside "$@"
fi
program=$2
chart=$3
work=$(mktemp -d)
finish() {
    local status=$?
    kill "${pid:-0}" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ -f "$work/program.log" ]; then
        echo "--- program output"
        tail -n 40 "$work/program.log"
    fi
    rm -rf "$work"
}
trap finish EXIT

# The program reads and writes lineora3.Ini beside itself. A private copy keeps the build's
# settings out of the test; its settings leave step-X picking and the tool windows off, so
# that the clicks land on the picture where the test aims them.
cp "$program" "$(dirname "$program")"/*.ini "$work/"
printf '[StepByX]\nBolStepX=0\n[Rezim]\nStepX=0\n[Forms]\nZoomStyle=0\nInputStyle=0\nTableStyle=0\nOutTextStyle=0\n' \
    >"$work/lineora3.Ini"
program=$work/$(basename "$program")

run() {
    "$program" "$chart" >"$work/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 1 60); do
        window=$(xdotool search --name '^Lineora3' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.5
    done
    [ -n "$window" ] || { echo "the main window did not appear"; cat "$work/program.log"; exit 1; }
    xdotool windowmove "$window" 0 0
    xdotool windowsize "$window" 1000 780
    sleep 1

    # The picture starts below the menu bar and the two toolbar rows (56 pixels).
    local menu=22 left=1
    local top=$((menu + 56))
    click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
    at() { echo $((left + $1)) $((top + $2)); }

    click 220 $((menu + 12))          # the three-click tool
    click $(at 100 500)               # zero point of the sample chart
    click $(at 700 500)               # X = 10
    click $(at 100 140)               # Y = 3
    import -window root "$work/before.png"
    local points=("300 300" "400 250" "500 200")
    for p in "${points[@]}"; do
        click $(at $p)
    done
    xdotool mousemove $(at 650 300)
    sleep 0.5
    import -window root "$work/after.png"

    for p in "${points[@]}"; do
        read -r x y <<<"$(at $p)"
        red_before=$(convert "$work/before.png" -crop 9x9+$((x - 4))+$((y - 4)) txt:- | grep -ci '#FF0000' || true)
        red_after=$(convert "$work/after.png" -crop 9x9+$((x - 4))+$((y - 4)) txt:- | grep -ci '#FF0000' || true)
        if [ "$red_before" -ne 0 ] || [ "$red_after" -lt 4 ]; then
            echo "no mark at $x,$y (red pixels before $red_before, after $red_after)"
            cp "$work/after.png" /tmp/lineora-smoke-failed.png
            exit 1
        fi
    done

    xdotool key q
    sleep 1
    xdotool key Return
    for _ in $(seq 1 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not close after Q and Yes"
        import -window root /tmp/lineora-smoke-failed.png
        exit 1
    fi
    if ! wait "$pid"; then
        echo "the program ended with an error"
        exit 1
    fi
    echo "smoke test passed"
}

run
