#!/usr/bin/env bash
# Runs the real program under a private X server, driven with xdotool as a user would:
#  1. on the sample chart: the three-click calibration, points added with the mouse and seen
#     on the screen, then Q and Discard (the points are unsaved work) close it;
#  2. on the sample .gra named on the command line: Data > Save to File writes the numbers,
#     which must equal the expected text byte for byte.
#   smoke.sh LINEORA EXAMPLES-FOLDER EXPECTED-EXPORT
set -euo pipefail
# A real window on a private display, whatever platform the other tests run on.
unset QT_QPA_PLATFORM
program=$1
examples=$2
expected=$3
work=$(mktemp -d)
xserver=
finish() {
    local status=$?
    kill "${pid:-0}" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ -f "$work/program.log" ]; then
        echo "--- program output"
        tail -n 40 "$work/program.log"
    fi
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# Our own Xvfb rather than xvfb-run: the server picks a free display itself (-displayfd), no
# cookie file can go astray, and when the server cannot be reached its log says why. Some
# sandboxes refuse local sockets, so loopback TCP is the second try.
start_x_server() { # extra Xvfb arguments...
    local fifo=$work/displayfd
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1400x900x24 "$@" 3>"$fifo" >>"$work/xvfb.log" 2>&1 &
    xserver=$!
    local number
    if ! read -r -t 20 number <"$fifo"; then
        kill "$xserver" 2>/dev/null || true
        xserver=
        return 1
    fi
    export DISPLAY=$display_host:$number
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    kill "$xserver" 2>/dev/null || true
    xserver=
    return 1
}
display_host=
if ! start_x_server -nolisten tcp; then
    display_host=127.0.0.1
    if ! start_x_server -listen tcp; then
        echo "SKIPPED: no private X server could be reached here; its log:"
        cat "$work/xvfb.log"
        ls -la /tmp/.X11-unix 2>&1 || true
        exit 77
    fi
fi

# The program reads and writes lineora3.Ini beside itself. A private copy keeps the build's
# settings out of the test; its settings choose English (for the menu keys), and leave step-X
# picking and the tool windows off, so that the clicks land on the picture where aimed.
cp "$program" "$(dirname "$program")"/*.ini "$work/"
printf '[StepByX]\nBolStepX=0\n[Rezim]\nStepX=0\n[Setup]\nLanguageRussian=0\nLanguageEnglish=1\n[Forms]\nZoomStyle=0\nInputStyle=0\nTableStyle=0\nOutTextStyle=0\n' \
    >"$work/lineora3.Ini"
program=$work/$(basename "$program")

start_program() {
    window=
    # On a loaded machine a fresh server has refused the program's first connection now and
    # then, though xdpyinfo had reached it: such a start is tried again, anything else is not.
    for _ in 1 2 3; do
        "$program" "$@" >"$work/program.log" 2>&1 &
        pid=$!
        for _ in $(seq 1 60); do
            window=$(xdotool search --name '^Lineora3' 2>/dev/null | head -n 1 || true)
            [ -n "$window" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.5
        done
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null && break
        grep -q 'could not connect to display' "$work/program.log" || break
        echo "the program could not reach the display; trying again"
        sleep 1
    done
    [ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
    xdotool windowmove "$window" 0 0
    xdotool windowsize "$window" 1000 780
    sleep 1
}

close_program() { # the keys that answer the question (Return: Yes)
    # Without a window manager a closed dialog hands no activation back: click the status bar.
    xdotool mousemove 500 770 click 1
    sleep 0.5
    xdotool key q
    sleep 1
    xdotool key "$@"
    for _ in $(seq 1 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not close after Q and $*"
        import -window root /tmp/lineora-smoke-failed.png
        exit 1
    fi
    if ! wait "$pid"; then
        echo "the program ended with an error"
        exit 1
    fi
}

red_pixels_around() { # image x y
    convert "$1" -crop 9x9+$(($2 - 4))+$(($3 - 4)) txt:- | grep -ci '#FF0000' || true
}

pick_points_on_the_chart() {
    start_program "$examples/sample-chart.bmp"
    # The picture starts below the menu bar and the two toolbar rows (56 pixels).
    local menu=22 left=1
    local top=$((menu + 56))
    click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
    at() { echo $((left + $1)) $((top + $2)); }

    click 220 $((menu + 12)) # the three-click tool
    click $(at 100 500)      # zero point of the sample chart
    click $(at 700 500)      # X = 10
    click $(at 100 140)      # Y = 3
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
        local before after
        before=$(red_pixels_around "$work/before.png" "$x" "$y")
        after=$(red_pixels_around "$work/after.png" "$x" "$y")
        if [ "$before" -ne 0 ] || [ "$after" -lt 4 ]; then
            echo "no mark at $x,$y (red pixels before $before, after $after)"
            cp "$work/after.png" /tmp/lineora-smoke-failed.png
            exit 1
        fi
    done
    # Save, Discard, Cancel: the second button throws the points away.
    close_program Tab space
}

export_saved_work() {
    start_program "$examples/sample.gra"
    xdotool mousemove 500 770 click 1 # the window active, so that its menu takes the Alt key
    sleep 0.5
    xdotool key alt+d # the Data menu
    sleep 0.5
    xdotool key Down Return # its second item: Save to File
    sleep 1.5
    xdotool key ctrl+a
    xdotool type --delay 20 "$work/export.txt"
    xdotool key Return
    sleep 1
    if ! cmp "$work/export.txt" "$expected"; then
        echo "the saved numbers differ from $expected"
        import -window root /tmp/lineora-smoke-failed.png
        exit 1
    fi
    close_program Return
}

pick_points_on_the_chart
export_saved_work
echo "smoke test passed"
