#!/bin/sh
# Runs a command on a virtual X server of its own with openbox managing its windows:
#   x_with_openbox.sh WIDTHxHEIGHT command [arguments]
# Xvfb picks a free display itself (-displayfd), so checks started at the same moment never
# share one, as they can with xvfb-run -a; the script waits (at most 10 s each) until the server
# answers and openbox has taken the screen, runs the command, and ends both again. The exit code
# is the command's.
set -u
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
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/server.log" &
server=$!
# Waits until the command given succeeds, at most 10 s; says what failed otherwise.
await() {
  what=$1
  shift
  tries=0
  until "$@"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
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
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
await "openbox did not take the screen of $DISPLAY" wm_ready
"$@"
exit $?
