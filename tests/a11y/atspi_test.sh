#!/usr/bin/env bash
# The calendar on a real AT-SPI bus, as Orca meets it: a private X server and
# session bus, the accessibility bus and its registry, the program started
# plainly, and the bus walked with pyatspi (atspi_walk.py beside this file).
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 200); do
    [ -s "$number_file" ] && break
    sleep 0.05
done
export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The session bus ends with the command, taking the bus launcher with it.
# Not exec'd: the trap must outlive it to stop the X server, which a later
# run would otherwise find holding a display.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    "$1" &
    program=$!
    status=0
    timeout 60 /usr/bin/python3 "$2/atspi_walk.py" || status=$?
    kill "$program" 2>/dev/null || true
    exit "$status"' _ "$program" "$here" 2> >(grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" >&2)
