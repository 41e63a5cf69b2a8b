#!/usr/bin/env bash
# Takes a picture of a lesson as the screen shows it: the program runs as its
# own process on a private X server with the openbox window manager, is driven
# by the steps given, and the screen is cut to the lesson's windows (the main
# window and any prompt or dialog over it).
#
#   screenshot.sh <program> <out.png> [step...]
#
# Steps, in order:
#   key:<keys>        xdotool key names, to the window that has the focus
#   type:<text>       typed into the focused window
#   click:<x>,<y>     a left click at x,y of the main window's client area
#   drag:<x>,<y>,<x2>,<y2>  the left button held from one point to the other
#   sleep:<seconds>   lesson time passes (the program runs at --speed 1)
#   dialog            waits until a prompt or dialog shows
#   nodialog          waits until none shows
#   pause             stops the lesson clock (F9) so the picture holds still
# Environment: SPEED (default 1) for --speed, SCALE for QT_SCALE_FACTOR.
set -uo pipefail

prog=$1 out=$2
shift 2
name=$(basename "$prog")
work=$(mktemp -d)
pids=()
fail() { echo "screenshot of $name: $*" >&2; exit 1; }
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
# Large enough for a lesson at scale factor 2.
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
cat >"$work/rc.xml" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>yes</center></placement>
  <focus><focusNew>yes</focusNew></focus>
</openbox_config>
RC
openbox --config-file "$work/rc.xml" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

export HOME="$work/home"
mkdir -p "$HOME"
env QT_QPA_PLATFORM=xcb LESSONS_SILENT=1 ${SCALE:+QT_SCALE_FACTOR=$SCALE} \
  "$prog" --speed "${SPEED:-1}" >"$work/program.log" 2>&1 &
lesson=$!
pids+=($lesson)

windows() { xdotool search --onlyvisible --pid "$lesson" 2>/dev/null; }
main=""
for _ in $(seq 200); do
  main=$(windows | head -n1)
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || fail "no window appeared"
# The main window is the largest one of the program.
largest() {
  local best="" area=0 w X Y WIDTH HEIGHT
  for w in $(windows); do
    eval "$(geometry "$w")"
    [ $((WIDTH * HEIGHT)) -gt "$area" ] && { area=$((WIDTH * HEIGHT)); best=$w; }
  done
  echo "$best"
}
geometry() {
  xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ { printf "X=%d\n", $2 }
    /Absolute upper-left Y/ { printf "Y=%d\n", $2 }
    /^ *Width/ { printf "WIDTH=%d\n", $2 }
    /^ *Height/ { printf "HEIGHT=%d\n", $2 }'
}
sleep 1
main=$(largest)
others() { for w in $(windows); do [ "$w" != "$main" ] && echo "$w"; done; }

for step in "$@"; do
  arg=${step#*:}
  case "$step" in
    key:*) for k in $arg; do xdotool key "$k"; sleep 0.15; done ;;
    type:*) xdotool type --delay 60 -- "$arg" ;;
    click:*|drag:*)
      eval "$(geometry "$main")"
      IFS=, read -r x y x2 y2 <<<"$arg"
      xdotool mousemove $((X + x)) $((Y + y))
      if [ "${step%%:*}" = click ]; then
        xdotool click 1
      else
        xdotool mousedown 1
        for i in 1 2 3 4 5 6 7 8; do
          xdotool mousemove $((X + x + (x2 - x) * i / 8)) $((Y + y + (y2 - y) * i / 8)); sleep 0.05
        done
        xdotool mouseup 1
      fi ;;
    sleep:*) sleep "$arg" ;;
    dialog) for _ in $(seq 600); do [ -n "$(others)" ] && break; sleep 0.1; done; sleep 0.3 ;;
    nodialog) for _ in $(seq 600); do [ -z "$(others)" ] && break; sleep 0.1; done; sleep 0.3 ;;
    pause) xdotool key F9; sleep 0.3 ;;
    *) fail "unknown step '$step'" ;;
  esac
done
sleep 0.5

# The box around the lesson's windows, cut from the screen.
left=99999 top=99999 right=0 bottom=0
for w in $(windows); do
  eval "$(geometry "$w")"
  [ "$X" -lt "$left" ] && left=$X
  [ "$Y" -lt "$top" ] && top=$Y
  [ $((X + WIDTH)) -gt "$right" ] && right=$((X + WIDTH))
  [ $((Y + HEIGHT)) -gt "$bottom" ] && bottom=$((Y + HEIGHT))
done
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out" ||
  fail "import failed"
echo "$out: $((right - left))x$((bottom - top)) from the screen"
