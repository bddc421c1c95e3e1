#!/bin/sh
# Runs a command on a virtual X server of its own, with the openbox window manager if asked:
#   x_session.sh [--openbox] WIDTHxHEIGHT command [arguments]
# Xvfb picks a free display itself (-displayfd), so checks started at the same moment never
# share one, as they can with xvfb-run -a. The script waits (at most 10 s each) until the server
# answers and, with --openbox, until openbox has taken the screen and worked out its free area;
# then it runs the command with DISPLAY set and ends the server again. The exit code is the
# command's, 1 when the server or the window manager did not come up.
set -u
wm_wanted=
if [ "${1:-}" = --openbox ]; then
  wm_wanted=1
  shift
fi
if [ $# -lt 2 ]; then
  echo "usage: x_session.sh [--openbox] WIDTHxHEIGHT command [arguments]" >&2
  exit 1
fi
size=$1
shift
work=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/server.log" &
server=$!
# Waits until the command given succeeds, at most 10 s; says what failed otherwise.
await() {
  what=$1
  shift
  tries=0
  until "$@"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
      echo "$what" >&2
      cat "$work"/*.log >&2
      exit 1
    fi
    sleep 0.1
  done
}
await "Xvfb did not start" grep -q . "$work/display"
DISPLAY=:$(cat "$work/display")
export DISPLAY
if [ -n "$wm_wanted" ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm=$!
  wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
      xprop -root _NET_WORKAREA 2>/dev/null | grep -q =
  }
  await "openbox did not take the screen of $DISPLAY" wm_ready
fi
"$@"
exit $?
