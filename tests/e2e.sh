#!/usr/bin/env bash
# Runs one program under a real (virtual) X server as a person would: keyboard on a
# slider, a mouse press on a curve, the readout's box closed with Enter, the window closed.
# usage: e2e.sh PROGRAM_BINARY X_PROBE TITLE CAPTION_X CAPTION_Y
set -euo pipefail
program=$1 probe=$2 title=$3 capx=$4 capy=$5
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tools/xvfb.sh"

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
export QT_QPA_PLATFORM=xcb  # a real X client, whatever the test environment says
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e $title: $*" >&2; exit 1; }

start_xvfb
"$program" &
app=$!
window=$(wait_for_window "Модель выпрямителя" 20) || fail "no window titled Модель выпрямителя"
xdotool windowfocus --sync "$window"
sleep 0.5

# Tab from the current-scale group to R1track, then one step right: R1 0.5 becomes 0.6.
"$probe" shot "$work/before.png" "$window"
xdotool key Tab
sleep 0.2
xdotool key Right
sleep 0.5
"$probe" shot "$work/after.png" "$window"
if "$probe" same "$work/before.png" "$work/after.png" "$capx" "$capy" 60 14; then
    fail "the series resistance caption did not change after Tab and Right"
fi

# Press a point of the yellow load curve, right half of the chart, with the real mouse.
read -r x y < <("$probe" find "$work/after.png" ffff00 260 5 240 235) || fail "no yellow curve on the chart"
xdotool mousemove --window "$window" "$x" "$y" click 1
box=$(wait_for_window "^$title\$" 10) || fail "no message box titled $title after pressing the curve"
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && fail "Enter did not close the message box"

# Close the window as a window manager would; the program must end with 0.
"$probe" close "$window"
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "the program did not end after its window was closed"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the program ended with $status"
echo "e2e $title: ok"
