#!/usr/bin/env bash
# The main window under a real X server with a window manager: started, ended
# with "Ende" and started again 20 times, it stays where it was, wholly on the
# screen; a settings file with a position off the screen opens on it.
# Usage: restart_under_wm.sh QUAXEL_BINARY. Exit 77 (skipped) without Xvfb,
# openbox, xdotool or xwininfo.
set -uo pipefail
quaxel=${1:?quaxel binary}
for tool in Xvfb openbox xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, wherever the test runs.
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "skipped: no free X display number"; exit 77; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
xwininfo -root >/dev/null 2>&1 || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# The program beside its own settings file, in a folder of the test.
cp "$quaxel" "$work/quaxel"
ini="$work/quaxel.ini"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# This test is about where the window goes; in a sanitizer build the X
# libraries' allocations kept until exit are not its business.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

fail=0
key() { sed -n "/^\[Window\]/,/^\[/s/^$1=//p" "$ini" | tr -d '\r'; }

# "left top width height" of the window's inside, then "left top" of its
# frame (openbox's parent window, title bar included).
measure() {
  local wid=$1 info frame ax ay w h fx fy
  info=$(xwininfo -id "$wid")
  ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  h=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  frame=$(xwininfo -id "$(xwininfo -tree -id "$wid" | awk '/Parent window id/ {print $4}')" 2>/dev/null)
  fx=$(awk '/Absolute upper-left X/ {print $4}' <<<"$frame")
  fy=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$frame")
  echo "$ax $ay $w $h ${fx:-$ax} ${fy:-$ay}"
}

# Starts the program, waits for its window and prints where it settled (as
# measure does), then clicks "Ende".
run_once() {
  timeout 30 "$work/quaxel" >"$work/quaxel.log" 2>&1 &
  local pid=$! wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Quaxel V' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "no window"; cat "$work/quaxel.log"; kill "$pid"; return 1; }
  # The program checks its place once the window manager framed it; wait
  # until the window stays put (a sanitizer build takes its time).
  sleep 1
  local place="" last="" same=0
  for _ in $(seq 40); do
    place=$(measure "$wid")
    if [ "$place" = "$last" ]; then same=$((same + 1)); else same=0; fi
    [ $same -ge 3 ] && break
    last=$place
    sleep 0.25
  done
  echo "$place"
  # "Ende": the start window's button, at its place in the window.
  xdotool mousemove --window "$wid" 674 569 click 1
  for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "still running after Ende"; kill "$pid"; return 1; fi
  wait "$pid"
}

on_screen() { # ax ay w h fx fy: the frame and the inside within 1280x1024
  local ax=$1 ay=$2 w=$3 h=$4 fx=$5 fy=$6
  [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((ax + w)) -le 1280 ] && [ $((ay + h)) -le 1024 ]
}

first=""
for i in $(seq 1 20); do
  place=$(run_once) || { echo "run $i: $place"; fail=1; break; }
  read -r ax ay w h fx fy <<<"$place"
  on_screen $ax $ay $w $h $fx $fy || { echo "run $i: not wholly on the screen: $place"; fail=1; }
  saved="$(key Left) $(key Top)"
  [ "$saved" = "$ax $ay" ] || { echo "run $i: saved $saved, but the window's inside was at $ax $ay"; fail=1; }
  if [ -z "$first" ]; then first="$ax $ay"; echo "run 1: window at $ax $ay, frame at $fx $fy"
  elif [ "$first" != "$ax $ay" ]; then echo "run $i: window moved from $first to $ax $ay"; fail=1; fi
done

# Off every screen: opens on it.
for pos in "-3000 -3000" "5000 200" "100 -500"; do
  read -r left top <<<"$pos"
  printf '[Window]\r\nWidth=720\r\nTop=%s\r\nLeft=%s\r\n' "$top" "$left" >"$ini"
  place=$(run_once) || { echo "Left=$left Top=$top: $place"; fail=1; continue; }
  read -r ax ay w h fx fy <<<"$place"
  on_screen $ax $ay $w $h $fx $fy || { echo "Left=$left Top=$top: window not on the screen: $place"; fail=1; }
done

if [ $fail -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
