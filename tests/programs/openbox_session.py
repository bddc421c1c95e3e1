#!/usr/bin/env python3
"""A virtual X server with the openbox window manager, for checks that need windows placed and
decorated as a user sees them.

As a program: openbox_session.py WIDTHxHEIGHT COMMAND [ARG...] starts the server and the
window manager, runs the command on them (DISPLAY set, QT_QPA_PLATFORM=xcb) and exits with the
command's exit code; 1 when the server or the window manager does not come up in time.
As a module: OpenboxSession gives the same as a context manager, and xprop/wait_for help a check
read window properties.
"""

import os
import subprocess
import sys
import time


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


class OpenboxSession:
    def __init__(self, size="1280x800"):
        self.size = size
        self.env = None
        self._server = None
        self._wm = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size + "x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            number = self._read_display(read_end)
        finally:
            os.close(read_end)
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb")
        self._wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The window manager is there once it has named its check window on the root, and
        # ready once it has worked out the screen's free area (late in its start).
        wait_for("the window manager",
                 lambda: "window id" in (xprop(self.env, "-root",
                                               "_NET_SUPPORTING_WM_CHECK") or "") and
                 "=" in (xprop(self.env, "-root", "_NET_WORKAREA") or ""))
        return self

    def _read_display(self, fd):
        text = b""
        end = time.monotonic() + 15
        os.set_blocking(fd, False)
        while not text.endswith(b"\n"):
            if self._server.poll() is not None:
                raise RuntimeError("the X server ended at start")
            if time.monotonic() > end:
                raise TimeoutError("waited in vain for the X server")
            try:
                chunk = os.read(fd, 64)
            except BlockingIOError:
                chunk = b""
            if chunk:
                text += chunk
            else:
                time.sleep(0.02)
        return text.decode().strip()

    def __exit__(self, *exc):
        for process in (self._wm, self._server):
            if process is None or process.poll() is not None:
                continue
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        return False


def xprop(env, *args):
    return run(["xprop"] + list(args), env)


def main():
    if len(sys.argv) < 3:
        print("usage: openbox_session.py WIDTHxHEIGHT COMMAND [ARG...]", file=sys.stderr)
        return 1
    try:
        with OpenboxSession(sys.argv[1]) as session:
            return subprocess.run(sys.argv[2:], env=session.env).returncode
    except (RuntimeError, TimeoutError) as e:
        print("FAIL: " + str(e), file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
