#!/bin/sh
# Runs a command on the X server of $DISPLAY with openbox managing its windows: starts openbox,
# waits (at most 10 s) until it has taken the screen, runs the command and ends openbox again.
# The exit code is the command's.
set -u
log=$(mktemp)
openbox --sm-disable >"$log" 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$wm" 2>/dev/null; then
    echo "openbox did not take the screen of $DISPLAY:" >&2
    cat "$log" >&2
    kill "$wm" 2>/dev/null
    rm -f "$log"
    exit 1
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
rm -f "$log"
exit "$status"
