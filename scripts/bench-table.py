#!/usr/bin/env python3
"""Runs every benchmark program under the given build folder and prints one table of the ratios
they report: each counter named x_<baseline> (or <what>_x_<baseline>) is a measure divided by a
baseline timed in the same run. Counters named <what>_us are times in microseconds, reported by
measures too small to resolve as a ratio; they are shown beside the ratios, without a goal.
Programs named bench_*_x measure through a real X server: they run on a virtual one of their own
(tests/x_session.sh), and are left out, with a note, where Xvfb is not installed."""

import json
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

# Goals by counter name, and for a few benchmarks by benchmark and counter; ratios without a
# goal are shown for information.
GOALS = {
    # Our rasteriser against Qt's painter on the same shapes and pixels.
    "x_qt": 0.8,
    "above_floor_x_memcpy": 4.0,
    # The logic display's worst full redraw and its scroll step against the time a user may wait,
    # offscreen and through an X server.
    "x_5ms": 1.0,
    "x_1ms": 1.0,
    # An idle form's CPU time per second of waiting: under a hundredth of a core.
    "x_core": 0.01,
}
BENCH_GOALS = {
    ("BM_OpenText", "x_wc_l"): 1.5,
    ("BM_OpenText", "mem_x_file"): 1.15,
    ("BM_OpenTextFirst", "x_wc_l"): 1.5,
    ("BM_OpenTextFirst", "mem_x_file"): 1.15,
}
RATIO = re.compile(r"^(\w+_)?x_\w+$")
MICROSECONDS = re.compile(r"^\w+_us$")


def goal_for(name, counter):
    base = name.split("/")[0]
    # The pixel-copy goal is for a value update's cost above its floor (a control that only
    # copies an image to the window); the update's own ratio, the floor's and a full paint's are
    # shown for information.
    if counter == "above_floor_x_memcpy" and "/update" not in name:
        return None
    return BENCH_GOALS.get((base, counter), GOALS.get(counter))


X_SESSION = Path(__file__).resolve().parent.parent / "tests" / "x_session.sh"
X_SCREEN = "1600x1000"


def through_x(program):
    return program.name.endswith("_x")


def run(program):
    command = [str(program), "--benchmark_format=json"]
    if through_x(program):
        command = [str(X_SESSION), X_SCREEN] + command
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    else:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run(command, env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if result.returncode != 0:
        return None
    return json.loads(result.stdout)


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else "build")
    programs = sorted(p for p in build.glob("bench/*/bench_*") if os.access(p, os.X_OK))
    if not programs:
        sys.exit(f"no benchmark programs under {build}/bench; build first")
    rows, failed, skipped = [], [], []
    for program in programs:
        if through_x(program) and shutil.which("Xvfb") is None:
            skipped.append(program.name)
            continue
        report = run(program)
        if report is None:
            failed.append(program.name)
            continue
        for bench in report.get("benchmarks", []):
            name = bench["name"].removesuffix("/real_time")
            for counter, value in bench.items():
                if not isinstance(value, (int, float)):
                    continue
                if RATIO.match(counter):
                    rows.append((program.name, name, counter, value, goal_for(name, counter)))
                elif MICROSECONDS.match(counter):
                    rows.append((program.name, name, counter, value, None))
    width = max([len(f"{r[1]} {r[2]}") for r in rows] + [len("measure")])
    print(f"{'program':<16} {'measure':<{width}} {'ratio/us':>8}  goal")
    for program, name, counter, value, goal in rows:
        mark = "" if goal is None else f"<= {goal:g}" + ("" if value <= goal else "  MISSED")
        print(f"{program:<16} {name + ' ' + counter:<{width}} {value:>8.2f}  {mark}")
    for name in skipped:
        print(f"{name}: left out, it needs Xvfb", file=sys.stderr)
    for name in failed:
        print(f"{name}: failed", file=sys.stderr)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
