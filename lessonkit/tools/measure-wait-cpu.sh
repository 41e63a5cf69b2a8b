#!/usr/bin/env bash
# Prints how much CPU a lesson uses while it waits at a prompt: CPU seconds
# per wall-clock second over a 5-second wait (0 = asleep, 1 = one core busy).
#   lessonkit/tools/measure-wait-cpu.sh [program [args...]]
# Without arguments it measures the dialog demo waiting at its first prompt.
set -euo pipefail
cd "$(dirname "$0")/../.."
prog=("${@:-build/lessonkit/lessonkit_dialogdemo}")
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} LESSONS_SILENT=1
"${prog[@]}" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 2  # start-up and the first drawing are not waiting
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(date +%s.%N); c0=$(ticks)
sleep 5
t1=$(date +%s.%N); c1=$(ticks)
awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$hz" -v p="${prog[0]}" 'BEGIN {
  cpu = (c1 - c0) / hz; wall = t1 - t0;
  printf "%s waiting at a prompt: %.3f CPU s in %.2f s wall = %.4f CPU s per s\n", p, cpu, wall, cpu / wall }'
