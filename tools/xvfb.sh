# Sourced: start_xvfb starts a virtual X server on a free display and exports DISPLAY;
# stop_xvfb ends it. For machines without a display.

start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    if [ ! -s "$fdfile" ]; then
        echo "Xvfb did not start" >&2
        rm -f "$fdfile"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Prints the id of the first window whose title matches $1, waiting up to $2 seconds.
wait_for_window() {
    local id
    for _ in $(seq $(( ${2:-10} * 10 ))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
