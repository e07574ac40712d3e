#!/usr/bin/env bash
# --popup in a Wayland session, on Weston's headless back end. With XWayland
# it opens at the pointer and a second --popup closes it; on Wayland alone it
# opens where Weston puts it and says why, once. Weston does not hand the
# window's place back to X, so the place is read from Weston's own screenshot:
# on a black background with no panel, the window is what is not black.
set -euo pipefail
program=$(realpath "$1")
fail() {
    echo "wayland popup: $*" >&2
    exit 1
}
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
cd "$XDG_RUNTIME_DIR"
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff000000\n' >weston.ini
weston --config="$PWD/weston.ini" --debug --backend=headless-backend.so --use-pixman --width=1000 --height=700 \
    --xwayland --socket=wayland-korinde >weston.log 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
x_display=""
for _ in $(seq 200); do
    x_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' weston.log)
    [ -n "$x_display" ] && break
    sleep 0.05
done
[ -n "$x_display" ] || fail "Weston started no XWayland: $(cat weston.log)"
export WAYLAND_DISPLAY=wayland-korinde
unset QT_QPA_PLATFORM

# The box around what is not black on Weston's screen, as "x y width height".
screen_box() {
    rm -f wayland-screenshot-*.png
    weston-screenshooter >/dev/null 2>&1 || return 1
    /usr/bin/python3 -c '
import glob, sys
from PIL import Image
box = Image.open(glob.glob("wayland-screenshot-*.png")[0]).convert("L").point(lambda v: 255 if v > 16 else 0).getbbox()
if box is None: sys.exit(1)
print(box[0], box[1], box[2] - box[0], box[3] - box[1])'
}

read -r pointer_x pointer_y < <(DISPLAY=$x_display xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')
DISPLAY=$x_display "$program" --popup 2>popup.err &
popup=$!
# The window is drawn once its frame has its full size; poll until then.
box=""
for _ in $(seq 100); do
    box=$(screen_box || true)
    [ -n "$box" ] && [ "$(cut -d' ' -f4 <<<"$box")" -gt 200 ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "the popup did not appear on Weston's screen"
read -r x y width height <<<"$box"
# The outer frame's corner is where the pointer is.
[ "$x" -eq "$pointer_x" ] && [ "$y" -eq "$pointer_y" ] ||
    fail "the popup's frame ($width x $height) is at $x,$y, the pointer at $pointer_x,$pointer_y"
DISPLAY=$x_display timeout 10 "$program" --popup || fail "the second --popup failed"
timeout 10 tail --pid="$popup" -f /dev/null || fail "a second --popup did not close the first"

# Wayland alone: it opens, and says why it is not at the pointer.
reason='デスクトップが決めた位置に開きます'
env -u DISPLAY "$program" --popup 2>popup.err &
popup=$!
for _ in $(seq 100); do
    grep -q "$reason" popup.err && break
    sleep 0.05
done
kill -0 "$popup" 2>/dev/null || fail "on Wayland alone the popup did not stay open: $(cat popup.err)"
[ "$(grep -c "$reason" popup.err)" -eq 1 ] || fail "on Wayland alone the popup did not say once why: $(cat popup.err)"
env -u DISPLAY timeout 10 "$program" --popup || fail "the second --popup failed on Wayland"
timeout 10 tail --pid="$popup" -f /dev/null || fail "a second --popup did not close the first on Wayland"
echo "wayland popup: the frame opened at $x,$y for the pointer at $pointer_x,$pointer_y; toggled on XWayland and on Wayland"
