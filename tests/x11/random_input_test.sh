#!/usr/bin/env bash
# Drives the real calendar window on a private Xvfb with seeded random input
# and fails when the program dies. The first keys of every run paste with an
# empty clipboard, which once crashed the text panel.
#
# Usage: random_input_test.sh PROGRAM SEEDS BATCHES ACTIONS_PER_BATCH
set -u
program=$1 seeds=$2 batches=$3 per_batch=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "$program_pid" "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
program_pid=""

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
[ "$DISPLAY" != ":" ] || { echo "Xvfb did not start"; exit 1; }
unset QT_QPA_PLATFORM
# The home page button must open nothing.
export BROWSER=true

total=0
for seed in $(seq "$seeds"); do
    "$program" >"$work/out" 2>&1 &
    program_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { echo "seed $seed: no window appeared"; cat "$work/out"; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool key ctrl+v key shift+Insert
    for batch in $(seq "$batches"); do
        python3 "$here/random_input.py" "$X" "$Y" "$per_batch" $((seed * 1000 + batch)) >"$work/args" 2>"$work/count"
        mapfile -t args <"$work/args"
        # A batch that xdotool could not send reached nothing: it counts as a failure, not as survived.
        if ! xdotool "${args[@]}" 2>"$work/xdotool"; then
            echo "seed $seed batch $batch: xdotool failed, so the batch did not reach the window"
            cat "$work/xdotool"
            exit 1
        fi
        total=$((total + $(cat "$work/count")))
        if ! kill -0 "$program_pid" 2>/dev/null; then
            wait "$program_pid"
            echo "seed $seed batch $batch: the program died with status $? after $total X events"
            cat "$work/out"
            exit 1
        fi
    done
    if grep -q -E 'runtime error|AddressSanitizer|LeakSanitizer' "$work/out"; then
        echo "seed $seed: a sanitizer reported"; cat "$work/out"; exit 1
    fi
    # Still running, it ends by our signal (128 + 15); any other status means it died first.
    kill "$program_pid" 2>/dev/null
    wait "$program_pid"
    status=$?
    if [ "$status" -ne 143 ]; then
        echo "seed $seed: the program ended with status $status before it was stopped"
        cat "$work/out"
        exit 1
    fi
done
echo "survived $total X events over $seeds seeds"
