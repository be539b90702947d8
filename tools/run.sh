#!/usr/bin/env bash
# Installs what is missing, builds, and starts one program: pontel (the default) or dravik.
# Without a display it runs the program under a virtual X server, saves a screenshot of the
# window after start-up, says where, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-pontel}
case "$program" in
    pontel|dravik) ;;
    *) echo "usage: tools/run.sh [pontel|dravik]" >&2; exit 2 ;;
esac

tools/install-deps.sh
tools/build.sh

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "build/bin/$program"
fi

. tools/xvfb.sh
start_xvfb
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
trap 'kill "${app:-}" 2>/dev/null || true; stop_xvfb; rm -rf "$runtime"' EXIT
"build/bin/$program" &
app=$!
window=$(wait_for_window "Модель выпрямителя" 20) || { echo "$program did not open its window" >&2; exit 1; }
sleep 0.5  # let the first paint land
mkdir -p build/screenshots
shot="build/screenshots/$program.png"
build/bin/x-probe shot "$shot" "$window"
echo "No display here: ran $program under Xvfb and saved its window after start-up to $(pwd)/$shot"
