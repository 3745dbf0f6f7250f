#!/usr/bin/env bash
# The typical use, end to end, with real X input only: the built program under Xvfb, driven by
# xdotool key presses, typed text and mouse clicks at the controls' places on the screen, with a
# fixture "Trovilane" first on PATH that records what it was started with. Runs once with no
# window manager and once under IceWM.
# Usage: end_to_end_test.sh PROGRAM FIXTURE_DOWNLOADER
set -uo pipefail
source "$(dirname "$0")/shell_helpers.sh"

# Client-area coordinates of the form, as the window lays its controls out.
declare -A centre=(
    [INPUT_ADDR]="216 52" [INPUT_NUM]="460 52" [INPUT_PATH]="216 92"
    [INPUT_ORIG]="384 92" [INPUT_CMD]="232 140" [START]="488 140"
)

click_control() {  # click_control NAME: a real mouse click at the control's centre
    local x y
    read -r x y <<<"${centre[$1]}"
    xdotool mousemove --sync $((client_x + x)) $((client_y + y)) click 1
    sleep 0.2
}

wait_for_records() {  # wait_for_records COUNT
    for _ in $(seq 100); do
        [[ $(find "$records" -maxdepth 1 -type f ! -name '*.partial' | wc -l) -ge $1 ]] && return 0
        sleep 0.05
    done
    return 1
}

# The value of one key of a fixture record, e.g. the arguments joined with "|".
record_arguments() {  # record_arguments FILE
    python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
args, at = [], 0
while at < len(data):
    space = data.index(b' ', at); colon = data.index(b':', space)
    key = data[at:space]; length = int(data[space + 1:colon])
    value = data[colon + 1:colon + 1 + length]; at = colon + 1 + length + 1
    if key == b'arg':
        args.append(value.decode())
print('|'.join(args))
PY
}
record_value() {  # record_value FILE KEY
    python3 - "$1" "$2" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
at = 0
while at < len(data):
    space = data.index(b' ', at); colon = data.index(b':', space)
    key = data[at:space]; length = int(data[space + 1:colon])
    value = data[colon + 1:colon + 1 + length]; at = colon + 1 + length + 1
    if key.decode() == sys.argv[2]:
        print(value.decode()); break
PY
}

# One run of the typical use inside the X server. WM is "none" or "icewm".
typical_use() {
    local program=$1 wm=$2
    records=$(mktemp -d)
    export TROVILANE_FIXTURE_RECORDS=$records TROVILANE_FIXTURE_LINGER_MS=4000
    export XDG_RUNTIME_DIR=$scratch/runtime-$wm
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    local wm_pid=""
    if [[ $wm == icewm ]]; then
        icewm >/dev/null 2>&1 &
        wm_pid=$!
        sleep 1
    fi
    (cd / && exec "$program") &
    local pid=$!
    local window
    window=$(wait_for_main_window)
    check "[$wm] the window appears" test -n "$window"
    [[ -n "$window" ]] || { kill "$pid"; return; }
    sleep 0.5
    xdotool windowfocus --sync "$window" 2>/dev/null
    client_x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{print $4}')
    client_y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/{print $4}')
    local left=0 right=0 top=0 bottom=0
    if [[ $wm != none ]]; then
        read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    fi
    local width height
    width=$(xwininfo -id "$window" | awk '/Width:/{print $2}')
    height=$(xwininfo -id "$window" | awk '/Height:/{print $2}')
    check "[$wm] outer frame at 691,439" test "$((client_x - left)),$((client_y - top))" = "691,439"
    check "[$wm] outer frame 537x202" test "$((width + left + right))x$((height + top + bottom))" = "537x202"
    check "[$wm] off the task bar" bash -c "xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR"

    # Delete "-1" and type 5; Tab to the path; type one with a blank and Chinese characters.
    click_control INPUT_NUM
    xdotool key End BackSpace BackSpace
    xdotool type --delay 30 '5'
    xdotool key Tab
    xdotool type --delay 30 '/tmp/my 文章'
    click_control INPUT_ADDR
    xdotool type --delay 30 'https://example.com/a'
    click_control INPUT_ORIG
    xdotool key Return  # Enter does nothing: no start
    sleep 0.3
    check "[$wm] Enter starts nothing" test "$(find "$records" -type f | wc -l)" -eq 0
    click_control START
    check "[$wm] the click starts the downloader" wait_for_records 1
    local first
    first=$(find "$records" -maxdepth 1 -type f ! -name '*.partial' | head -n 1)
    check "[$wm] the downloader gets the composed arguments" \
        test "$(record_arguments "$first")" = "Trovilane|-n|5|-p|/tmp/my 文章|-o|https://example.com/a"
    check "[$wm] the downloader runs in the program folder" \
        test "$(record_value "$first" cwd)" = "$(dirname "$program")"
    click_control START
    check "[$wm] a second click starts a second downloader" wait_for_records 2
    local newest started_pid
    newest=$(ls -t "$records" | head -n 1)
    started_pid=$(record_value "$records/$newest" pid)

    xdotool key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill "$pid"
    wait "$pid"
    local status=$?
    check "[$wm] Esc ends the program with status 0" test $status -eq 0
    check "[$wm] the started downloader outlives the window" kill -0 "$started_pid"
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null
    rm -rf "$records"
}

if [[ "${1:-}" == --inside-x ]]; then
    scratch=$4
    bin=$scratch/bin
    mkdir -p "$bin"
    cp "$3" "$bin/Trovilane"
    export PATH=$bin:$PATH
    typical_use "$2" none
    typical_use "$2" icewm
    finish
    exit
fi

program=$(readlink -f "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1920x1080x24" \
    bash "$0" --inside-x "$program" "$(readlink -f "$2")" "$scratch"
