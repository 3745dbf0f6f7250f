#!/usr/bin/env bash
# The program as a user starts it: without a display, with a display that refuses, and under a
# real X server (Xvfb) where it is checked from outside with X tools and closed with Esc.
# Usage: program_test.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/shell_helpers.sh"

# Runs inside the X server: starts the program from "/" with arguments Qt would otherwise take,
# records what X and /proc say about it into SCRATCH, then presses Esc.
inside_x() {
    local program=$1 scratch=$2
    export XDG_RUNTIME_DIR=$scratch/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    cd / || return 1
    "$program" -platform offscreen -reverse -style windows ignored-argument &
    local pid=$! window
    window=$(wait_for_main_window) || { echo "no window appeared"; kill "$pid"; return 1; }
    sleep 0.3
    xwininfo -id "$window" >"$scratch/info"
    xprop -id "$window" _NET_WM_STATE >"$scratch/state"
    readlink "/proc/$pid/cwd" >"$scratch/cwd"
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then echo "Esc did not close the window"; kill "$pid"; fi
    wait "$pid"
    echo $? >"$scratch/status"
}

if [[ "${1:-}" == --inside-x ]]; then
    inside_x "$2" "$3"
    exit
fi

program=$(readlink -f "$1")
program_folder=$(dirname "$program")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# No display at all: one line on standard error and status 255, never an abort.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$scratch/out" 2>"$scratch/err"
check "no display: status 255" test $? -eq 255
check "no display: says why" grep -q "cannot open the window: no display" "$scratch/err"
check "no display: one line" test "$(wc -l <"$scratch/err")" -eq 1

# A display that refuses the connection.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:77 "$program" >"$scratch/out" 2>"$scratch/err"
check "refused display: status 255" test $? -eq 255
check "refused display: says so" grep -q "cannot open the display" "$scratch/err"
check "refused display: no abort" bash -c "! grep -qi -e abort -e 'core dump' '$scratch/err'"

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1920x1080x24" \
    bash "$0" --inside-x "$program" "$scratch"

check "outer frame at 691,439" grep -q "Absolute upper-left X:  691" "$scratch/info"
check "outer frame top 439" grep -q "Absolute upper-left Y:  439" "$scratch/info"
check "outer width 537" grep -q "Width: 537" "$scratch/info"
check "outer height 202" grep -q "Height: 202" "$scratch/info"
check "kept off the task bar" grep -q "_NET_WM_STATE_SKIP_TASKBAR" "$scratch/state"
check "works in the program folder" test "$(cat "$scratch/cwd" 2>/dev/null)" = "$program_folder"
check "Esc ends it with status 0" test "$(cat "$scratch/status" 2>/dev/null)" = 0

finish
