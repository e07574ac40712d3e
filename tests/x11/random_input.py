#!/usr/bin/env python3
"""One batch of random user input for the calendar window, as xdotool arguments.

Usage: random_input.py LEFT TOP ACTIONS SEED
Prints the arguments one a line on stdout and the number of X events they
make on stderr. LEFT and TOP are the window's top-left corner; the window is
129 x 180 pixels.
"""
import random
import sys

# Centres of the controls, from the window's corner.
CONTROLS = {
    "previous": (28, 164), "next": (100, 164), "home page": (64, 158),
    "red box": (64, 172), "help": (104, 134), "text panel": (64, 70),
}
KEYS = ["Tab", "ISO_Left_Tab", "Return", "Escape", "space", "a", "7", "Up", "Down",
        "Left", "Right", "BackSpace", "Delete", "Home", "End", "Menu", "y", "n",
        "ctrl+v", "shift+Insert", "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+z"]
CHORDS = ["shift", "ctrl", "alt", "shift+ctrl", "ctrl+alt", "shift+alt", "super"]
MODIFIERS = ["shift", "ctrl", "alt"]


def day_cell(k):
    return 16 + 16 * (k % 7), 48 + 16 * (k // 7)


def batch(left, top, count, rng):
    args, events = [], 0

    def click(x, y, button):
        nonlocal events
        args.extend(["mousemove", str(left + x), str(top + y), "click", str(button)])
        events += 3

    for _ in range(count):
        kind = rng.random()
        if kind < 0.25:
            click(rng.randint(-20, 150), rng.randint(-20, 200), rng.choice([1, 1, 1, 2, 3]))
        elif kind < 0.55:
            name = rng.choice(list(CONTROLS) + ["cell"] * 3)
            x, y = day_cell(rng.randint(0, 36)) if name == "cell" else CONTROLS[name]
            held = rng.choice(MODIFIERS) if rng.random() < 0.4 else None
            if held:
                args.extend(["keydown", held])
                events += 1
            click(x, y, rng.choice([1, 1, 1, 1, 2, 3]))
            if held and rng.random() < 0.8:
                args.extend(["keyup", held])
                events += 1
        elif kind < 0.85:
            key = rng.choice(KEYS)
            if rng.random() < 0.3:
                key = rng.choice(CHORDS) + "+" + key
            args.extend(["key", "--delay", "1", key])
            events += 2 * (1 + key.count("+"))
        elif kind < 0.92:
            args.extend([rng.choice(["keydown", "keyup"]), rng.choice(MODIFIERS)])
            events += 1
        else:
            text = "".join(rng.choice("abxyz 019あ漢!?") for _ in range(rng.randint(1, 8)))
            args.extend(["type", "--delay", "1", text])
            events += 2 * len(text)
    # Leave no key held and no box open for the next batch.
    for key in MODIFIERS + ["super"]:
        args.extend(["keyup", key])
    args.extend(["key", "Escape", "key", "Escape"])
    return args, events


def main():
    left, top, count, seed = (int(a) for a in sys.argv[1:5])
    args, events = batch(left, top, count, random.Random(seed))
    print("\n".join(args))
    print(events, file=sys.stderr)


if __name__ == "__main__":
    main()
