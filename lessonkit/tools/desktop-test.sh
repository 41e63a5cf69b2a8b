#!/usr/bin/env bash
# Starts one lesson as its own process on a private X server with a real
# window manager and drives it as a learner would, checking what only a
# desktop shows: the window's exact caption, where its first prompt or dialog
# appears (also when the window manager has not put the window at 0,0), that
# the prompt follows the window when it is moved, that the screen shows what
# the window draws, and a clean end.
#
#   desktop-test.sh <program> <caption> <keys> <a> <b> <end> [compare|-]
#
# keys: xdotool key names that bring up the first prompt or dialog ("" when
#       the lesson opens one by itself); a, b: where it belongs (left = main
#       left + a*width, top = main top + b*height; "-" when the lesson has no
#       prompt); end: "Escape" (pressed until the program ends) or "close"
#       (the window manager's close of the main window); "-" last for a
#       program without the suite's keys (no F12 picture to compare with).
set -uo pipefail

prog=$1 caption=$2 keys=$3 a=$4 b=$5 end=$6 screen=${7:-compare}
name=$(basename "$prog")
work=$(mktemp -d)
pids=()

fail() {
  echo "desktop test of $name: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$work/screen.png" 2>/dev/null &&
    echo "screen at failure: $work/screen.png" >&2
  exit 1
}
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

for tool in Xvfb openbox xdotool xprop xwininfo wmctrl; do
  command -v "$tool" >/dev/null || fail "$tool is missing (./lessons test installs it)"
done

# A private server on a free display number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# The window manager places new windows in the middle of the screen, so the
# main window does not sit at 0,0 by chance.
cat >"$work/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>yes</center></placement>
  <focus><focusNew>yes</focusNew></focus>
</openbox_config>
EOF
openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# In a sanitizer build, the one allocation the D-Bus library never frees is
# not a leak of the lesson's.
export LSAN_OPTIONS="suppressions=$(dirname "$(readlink -f "$0")")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# Faster than a class would run it: where things appear does not depend on pace.
export HOME="$work/home"
mkdir -p "$HOME"
QT_QPA_PLATFORM=xcb LESSONS_SILENT=1 "$prog" --speed 4 >"$work/program.log" 2>&1 &
lesson=$!
pids+=($lesson)

# A finished child stays a zombie until it is waited for; that is not alive.
alive() { local st; st=$(ps -o stat= -p "$lesson" 2>/dev/null) && [ "${st:0:1}" != Z ]; }
# Visible windows of the lesson, one id a line.
windows() { xdotool search --onlyvisible --pid "$lesson" 2>/dev/null; }

main=""
for _ in $(seq 200); do
  for w in $(windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$caption" ] && main=$w
  done
  [ -n "$main" ] && break
  alive || fail "the program ended before its window opened"
  sleep 0.1
done
if [ -z "$main" ]; then
  for w in $(windows); do echo "window caption: '$(xdotool getwindowname "$w")'" >&2; done
  fail "no window captioned '$caption'"
fi
sleep 0.5

# Where a window's client area really is: X Y WIDTH HEIGHT as shell
# assignments.  (xdotool's own geometry adds the offset inside the window
# manager's frame a second time.)
geometry() {
  xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ { printf "X=%d\n", $2 }
    /Absolute upper-left Y/ { printf "Y=%d\n", $2 }
    /^ *Width/ { printf "WIDTH=%d\n", $2 }
    /^ *Height/ { printf "HEIGHT=%d\n", $2 }'
}
# The outer rectangle of the main window, decorations included: left top width height.
frame() {
  local X Y WIDTH HEIGHT l=0 r=0 t=0 bt=0 ext
  eval "$(geometry "$main")"
  ext=$(xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$ext" ] && IFS=, read -r l r t bt <<<"$ext"
  echo "$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + bt))"
}
# The first visible window of the lesson other than the main window.
prompt_window() {
  for w in $(windows); do [ "$w" != "$main" ] && { echo "$w"; return; }; done
}
# Checks that the prompt stands where a and b put it over the main window.
check_place() {
  local when=$1 p=$2 X Y WIDTH HEIGHT fl ft fw fh ex ey
  read -r fl ft fw fh <<<"$(frame)"
  eval "$(geometry "$p")"
  ex=$(awk -v l="$fl" -v w="$fw" -v a="$a" 'BEGIN { printf "%d", l + a * w + 0.5 }')
  ey=$(awk -v t="$ft" -v h="$fh" -v b="$b" 'BEGIN { printf "%d", t + b * h + 0.5 }')
  echo "$when: main window at $fl,$ft size ${fw}x$fh; prompt at $X,$Y, expected $ex,$ey"
  if [ $((X - ex)) -gt 2 ] || [ $((ex - X)) -gt 2 ] || [ $((Y - ey)) -gt 2 ] || [ $((ey - Y)) -gt 2 ]; then
    fail "$when: the prompt is at $X,$Y instead of $ex,$ey"
  fi
  if [ "$X" -lt "$fl" ] || [ "$X" -ge $((fl + fw)) ] || [ "$Y" -lt "$ft" ] || [ "$Y" -ge $((ft + fh)) ]; then
    fail "$when: the prompt's corner $X,$Y lies outside the main window"
  fi
}

# What the screen shows of the main window is what the window itself draws:
# an X screenshot of it equals its own picture saved with F12 at the same
# moment (the clock stopped with F9 in between), apart from the small label
# of the stopped clock and the prompts or dialogs standing over it.
compare_screen() {
  local X Y WIDTH HEIGHT mx my mw masks=() w saved shown diff
  [ "$screen" = compare ] || return 0
  xdotool key F9
  sleep 0.5
  eval "$(geometry "$main")"
  mx=$X my=$Y mw=$WIDTH
  masks+=(-draw "rectangle $((mw - 260)),0 $mw,40")
  for w in $(windows); do
    [ "$w" = "$main" ] && continue
    eval "$(geometry "$w")"
    masks+=(-draw "rectangle $((X - mx - 1)),$((Y - my - 1)) $((X - mx + WIDTH)),$((Y - my + HEIGHT))")
  done
  # A text cursor blinks whether the clock stands or not: the screen is
  # taken just before and twice after the picture, and one of them must agree.
  local try best=""
  for try in 1 2 3; do
    rm -f "$HOME/$name"-*.png
    import -window "$main" "$work/before.png" || fail "no X screenshot of the main window"
    xdotool key F12
    saved=""
    for _ in $(seq 50); do
      saved=$(find "$HOME" -maxdepth 1 -name "$name-*.png" 2>/dev/null | head -n1)
      [ -n "$saved" ] && break
      sleep 0.1
    done
    [ -n "$saved" ] || fail "F12 saved no picture of the window"
    sleep 0.3
    import -window "$main" "$work/after.png" || fail "no X screenshot of the main window"
    # Half a blink later the cursor shows the other way: one of the two
    # after the picture agrees with it even when the machine is slow.
    sleep 0.5
    import -window "$main" "$work/later.png" || fail "no X screenshot of the main window"
    for shot in before after later; do
      # After the picture, the notice that it was saved stands in the top row.
      local top=()
      [ "$shot" != before ] && top=(-draw "rectangle 0,0 $mw,40")
      shown=$(identify -format '%wx%h' "$work/$shot.png")
      [ "$shown" = "$(identify -format '%wx%h' "$saved")" ] ||
        fail "the screen shows the window at $shown, its own picture is $(identify -format '%wx%h' "$saved")"
      convert "$saved" -fill black "${masks[@]}" "${top[@]}" "$work/saved-masked.png"
      convert "$work/$shot.png" -fill black "${masks[@]}" "${top[@]}" "$work/shown-masked.png"
      diff=$(compare -metric AE "$work/shown-masked.png" "$work/saved-masked.png" "$work/diff.png" 2>&1)
      [ -z "$best" ] || [ "$diff" -lt "$best" ] 2>/dev/null && best=$diff
      if [ "$diff" = 0 ]; then
        xdotool key F9
        echo "screen against the window's own picture: 0 pixels differ"
        return 0
      fi
    done
  done
  fail "$best pixels of the screen differ from the window's own picture ($work/diff.png)"
}
if [ "$a" != "-" ]; then
  if [ -n "$keys" ]; then
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
    for k in $keys; do xdotool key "$k"; sleep 0.2; done
  fi
  p=""
  for _ in $(seq 600); do p=$(prompt_window); [ -n "$p" ] && break; sleep 0.1; done
  [ -n "$p" ] || fail "no prompt or dialog appeared"
  sleep 0.3
  check_place "first prompt" "$p"
  # Before the move below, which may push the window past the screen's edge.
  compare_screen

  read -r fl ft _ _ <<<"$(frame)"
  xdotool windowmove "$main" $((fl > 200 ? 20 : fl + 150)) $((ft > 150 ? 10 : ft + 100))
  sleep 1
  read -r nl nt _ _ <<<"$(frame)"
  [ "$nl,$nt" != "$fl,$ft" ] || fail "the window manager did not move the main window"
  check_place "after moving the window" "$p"
else
  # A lesson without a prompt window: its keys lead it on, then it is looked at.
  if [ -n "$keys" ]; then
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
    for k in $keys; do xdotool key "$k"; sleep 0.3; done
    sleep 2
  fi
  compare_screen
fi

case "$end" in
  Escape)
    for _ in $(seq 10); do
      alive || break
      focus=$(prompt_window)
      xdotool windowactivate --sync "${focus:-$main}" 2>/dev/null
      xdotool key Escape
      sleep 0.5
    done
    ;;
  close) wmctrl -i -c "$main" ;;
  *) fail "unknown end '$end'" ;;
esac
for _ in $(seq 100); do alive || break; sleep 0.1; done
alive && fail "the program did not end on $end"
wait "$lesson"
code=$?
[ "$code" -eq 0 ] || fail "the program ended with exit code $code"
echo "$name: caption, prompt placement, moving and the end on $end as a learner sees them"
