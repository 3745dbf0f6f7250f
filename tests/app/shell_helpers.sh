# Helpers shared by the shell tests that check the built program from outside.

passes=0
failures=0

# check NAME COMMAND...: runs the command and counts it as a pass or a failure.
check() {
    local name=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok: $name"
    else
        failures=$((failures + 1))
        echo "FAILED: $name"
    fi
}

# Prints the id of the program's visible window once it appears (within 10 s); fails otherwise.
wait_for_main_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Marrowick_GUI$' 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

# The closing line test runners are read by; the status says whether all passed.
finish() {
    echo "$passes passed, $failures failed"
    [[ $failures -eq 0 ]]
}
