#!/usr/bin/env bash
# Prints the CPU time the wellstates lesson spends per sweep of a curve, with
# the whole picture copied to the screen at every drawing step
# (LESSONS_FULL_REPAINT=1) and with only the changed rectangle copied, in one
# run on the same private X server, and the ratio of the two.
#   lessonkit/tools/measure-sweep-cpu.sh [program] [sweeps]
set -uo pipefail
cd "$(dirname "$0")/../.."
prog=${1:-build/wellstates/wellstates}
sweeps=${2:-6}
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
hz=$(getconf CLK_TCK)

# CPU seconds of one program over `sweeps` sweeps at the lesson's own pace.
measure() {
  env "$@" QT_QPA_PLATFORM=xcb LESSONS_SILENT=1 "$prog" >/dev/null 2>&1 &
  local pid=$! w=""
  for _ in $(seq 100); do w=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1); [ -n "$w" ] && break; sleep 0.1; done
  sleep 1
  for _ in 1 2 3; do xdotool key space; sleep 0.4; done   # the introduction
  sleep 0.5
  local c0 c1
  c0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  for _ in $(seq "$sweeps"); do xdotool key Return; sleep 2.6; done  # each sweep takes 2 s
  c1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  awk -v a="$c0" -v b="$c1" -v hz="$hz" -v n="$sweeps" 'BEGIN { printf "%.4f", (b - a) / hz / n }'
}

full=$(measure LESSONS_FULL_REPAINT=1)
lean=$(measure LESSONS_FULL_REPAINT=0)
awk -v f="$full" -v l="$lean" -v n="$sweeps" 'BEGIN {
  printf "CPU per wellstates sweep (%d sweeps each):\n", n
  printf "  whole picture copied at every step: %.3f s\n", f
  printf "  changed rectangle only:             %.3f s\n", l
  if (f > 0) printf "  lean / whole = %.2f (%.0f %% less)\n", l / f, 100 * (1 - l / f) }'
