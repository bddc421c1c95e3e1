#!/usr/bin/env python3
"""Starts the demo and the logic display on the X server in DISPLAY (a 1280x800 virtual one with
openbox, from tests/x_session.sh --openbox) and looks at what the window manager made of their
windows: each main window maximised and wholly on the screen, and the about box that each shows
at start a title bar without minimise and maximise boxes.

  window_manager_check.py ORVANEDEMO PULSARIC [FOLDER FOR SCREENSHOTS]
Exit code 0 when all held.
"""

import os
import re
import subprocess
import sys
import time

SCREEN = (1280, 800)
ABOUT_TITLE = "Infos"
# _MOTIF_WM_HINTS: flag bits, then function and decoration bits.
MWM_FUNCTIONS, MWM_DECORATIONS = 1, 2
FUNC_ALL, FUNC_MINIMIZE, FUNC_MAXIMIZE = 1, 8, 16
DECOR_ALL, DECOR_MINIMIZE, DECOR_MAXIMIZE = 1, 32, 64


def wait_for(what, test, seconds=15.0, step=0.05):
    """Polls test() until it returns something true, for at most `seconds`; raises when it does
    not."""
    end = time.monotonic() + seconds
    while True:
        result = test()
        if result:
            return result
        if time.monotonic() > end:
            raise TimeoutError("waited in vain for " + what)
        time.sleep(step)


def run(args, env, timeout=10):
    """Output of a short X client, or None when it failed."""
    try:
        done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    return done.stdout if done.returncode == 0 else None


def xprop(env, *args):
    return run(["xprop"] + list(args), env)


def visible_window(env, title):
    """The id of the one mapped window with exactly that title, or None."""
    out = run(["xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$"], env)
    ids = (out or "").split()
    return ids[0] if len(ids) == 1 else None


def atoms(env, window, prop):
    out = xprop(env, "-id", window, prop) or ""
    return set(a.strip() for a in out.partition("=")[2].split(",") if a.strip())


def numbers(env, window, prop):
    out = xprop(env, "-id", window, prop) or ""
    return [int(n, 0) for n in out.partition("=")[2].split(",") if n.strip()]


def frame_rect(env, window):
    """The window with its frame on the root: left, top, right, bottom."""
    info = run(["xwininfo", "-id", window], env) or ""
    value = {k: int(v) for k, v in re.findall(r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                              info)}
    left, right, top, bottom = (numbers(env, window, "_NET_FRAME_EXTENTS") + [0] * 4)[:4]
    x, y = value["Absolute upper-left X"], value["Absolute upper-left Y"]
    return x - left, y - top, x + value["Width"] + right, y + value["Height"] + bottom


def check_main_window(env, window):
    """What is wrong with the main window, empty when nothing."""
    faults = []
    state = atoms(env, window, "_NET_WM_STATE")
    for needed in ("_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"):
        if needed not in state:
            faults.append("not " + needed + " (state: " + ", ".join(sorted(state)) + ")")
    left, top, right, bottom = frame_rect(env, window)
    if left < 0 or top < 0 or right > SCREEN[0] or bottom > SCREEN[1]:
        faults.append("frame %d,%d-%d,%d leaves the %dx%d screen" % (left, top, right, bottom,
                                                                      *SCREEN))
    if right - left < SCREEN[0] * 9 // 10 or bottom - top < SCREEN[1] * 9 // 10:
        faults.append("frame %d,%d-%d,%d does not fill the screen" % (left, top, right, bottom))
    return faults


def check_about_box(env, window):
    faults = []
    hints = numbers(env, window, "_MOTIF_WM_HINTS")
    if len(hints) < 3:
        return ["no _MOTIF_WM_HINTS"]
    flags, functions, decorations = hints[:3]
    if not flags & MWM_DECORATIONS or decorations & (DECOR_ALL | DECOR_MINIMIZE | DECOR_MAXIMIZE):
        faults.append("decorations do not leave out the boxes: %s" % hints)
    if not flags & MWM_FUNCTIONS or functions & (FUNC_ALL | FUNC_MINIMIZE | FUNC_MAXIMIZE):
        faults.append("functions do not leave out minimise and maximise: %s" % hints)
    allowed = atoms(env, window, "_NET_WM_ALLOWED_ACTIONS")
    for action in ("_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"):
        if action in allowed:
            faults.append("the window manager allows " + action)
    return faults


def check_program(env, program, title, shots):
    process = subprocess.Popen([program], cwd=os.path.dirname(program), env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    name = os.path.basename(program)
    try:
        # The about box comes at the main window's first paint, so both are up then.
        main = wait_for(title, lambda: visible_window(env, title))
        about = wait_for("the about box of " + name, lambda: visible_window(env, ABOUT_TITLE))
        faults = []
        try:
            wait_for("the main window of %s maximised" % name,
                     lambda: not check_main_window(env, main))
        except TimeoutError:
            faults += check_main_window(env, main)
        faults += check_about_box(env, about)
        if shots:
            run(["import", "-window", "root", os.path.join(shots, name + ".png")], env)
        return [name + ": " + f for f in faults]
    except TimeoutError as e:
        return [name + ": " + str(e)]
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 1
    shots = sys.argv[3] if len(sys.argv) > 3 else ""
    faults = []
    if "DISPLAY" not in os.environ:
        print("FAIL: no DISPLAY; run through tests/x_session.sh --openbox 1280x800", file=sys.stderr)
        return 1
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    faults += check_program(env, os.path.abspath(sys.argv[1]),
                            "Vantreo Computers Orvane Komponenten Demo", shots)
    faults += check_program(env, os.path.abspath(sys.argv[2]),
                            "Vantreo Logic Analyzer Demo", shots)
    for f in faults:
        print("FAIL: " + f)
    print("%d passed, %d failed" % (2 - len({f.split(":")[0] for f in faults}),
                                    len({f.split(":")[0] for f in faults})))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
