#!/usr/bin/python3
"""Where a window's start-up goes, from exec to its map.

Runs the program under strace on the current display, waits for its window
with xdotool, and prints the milliseconds from exec at which each stage
began: the dynamic loader, the program's own code, the window module's
dlopen and the libraries it pulls in, Qt's platform plugin, the X
connection, fontconfig and the font files, the popup's socket and anything
else read from disk, with the count of files each stage opened. strace slows
every system call, so the stages' shares are what to read, not their sums.

    trace_startup.py PROGRAM [ARGUMENT...]
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

EVENT = re.compile(r'^(\d+) +(\d+\.\d+) (\w+)\((.*)$')
PATH = re.compile(r'"([^"]*)"')

# A stage by the file or socket that starts it; the first match names it.
STAGES = (
    ("the dynamic loader: the program's libraries", re.compile(r'\.so(\.[0-9.]+)?$|ld\.so\.cache')),
    ("fontconfig's configuration and caches", re.compile(r'^/etc/fonts|/fontconfig/')),
    ("font files", re.compile(r'\.(ttf|otf|ttc|pcf(\.gz)?)$')),
    ("the X connection", re.compile(r'\.X11-unix|^@/tmp/\.X11')),
    ("the session bus and portals", re.compile(r'dbus|bus$')),
    ("the popup's socket and lock", re.compile(r'korinde-popup')),
    ("keyboard maps, locale and input methods", re.compile(r'xkb|locale|X11/|\.compose|Compose')),
    ("icons, themes and Qt's plugin folders", re.compile(r'icons|themes|plugins|qt6')),
)


def stage_of(path, loaded_window):
    for name, pattern in STAGES:
        if pattern.search(path):
            if name.startswith("the dynamic loader") and loaded_window:
                return "the window module and what it links"
            return name
    return "other files"


def trace(arguments):
    with tempfile.NamedTemporaryFile(suffix=".strace") as log:
        started = time.time()
        program = subprocess.Popen(["strace", "-f", "-ttt", "-e", "trace=execve,openat,connect", "-o", log.name]
                                   + arguments, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The program's pid is the first in strace's log; its window's map
        # as xdotool sees it.
        child = None
        while child is None and time.time() - started < 30:
            first = open(log.name, encoding="utf-8", errors="replace").readline()
            child = first.split()[0] if first.strip() else None
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", child or "0"],
                       stdout=subprocess.DEVNULL, timeout=30, check=False)
        mapped = time.time()
        time.sleep(0.5)
        # strace ends with its program.
        if child:
            os.kill(int(child), signal.SIGTERM)
        program.wait()
        return open(log.name, encoding="utf-8", errors="replace").read().splitlines(), started, mapped


def main():
    lines, started, mapped = trace(sys.argv[1:])
    exec_time = None
    stages = {}
    loaded_window = False
    for line in lines:
        match = EVENT.match(line)
        if not match:
            continue
        when, call, rest = float(match.group(2)), match.group(3), match.group(4)
        if call == "execve":
            exec_time = exec_time or when
            continue
        path = PATH.search(rest)
        if exec_time is None or not path or when > mapped:
            continue
        if "korinde-window" in path.group(1):
            loaded_window = True
        stage = stage_of(path.group(1), loaded_window)
        first, count, missing = stages.get(stage, (when, 0, 0))
        stages[stage] = (first, count + 1, missing + ("ENOENT" in rest))
    print(f"{'stage':<48} {'from ms':>8} {'files':>6} {'missing':>8}")
    for stage, (first, count, missing) in sorted(stages.items(), key=lambda item: item[1][0]):
        print(f"{stage:<48} {(first - exec_time) * 1000:8.1f} {count:6d} {missing:8d}")
    print(f"{'the window mapped (xdotool, under strace)':<48} {(mapped - started) * 1000:8.1f}")


if __name__ == "__main__":
    main()
