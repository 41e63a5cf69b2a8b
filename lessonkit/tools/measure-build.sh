#!/usr/bin/env bash
# Prints how long a from-scratch build of the suite with its tests takes, and
# how long the headless tests then run, for one or more commits: each commit
# is cloned afresh and built without ccache, one after the other, so that the
# figures of one run can be compared with each other on a shared machine.
# The CPU seconds (user + system, all processes) are the steadier figure.
#
#   lessonkit/tools/measure-build.sh <commit> [<commit> ...]
set -euo pipefail
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1 QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Runs a command and prints "<label> wall <s> cpu <s>".
timed() {
  local label=$1; shift
  local out=$work/time
  /usr/bin/time -f "%e %U %S" -o "$out" "$@" >"$work/log" 2>&1 || {
    tail -20 "$work/log"; echo "$label failed"; return 1; }
  read -r wall user sys <"$out"
  printf '%-22s wall %7.1f s   cpu %7.1f s\n' "$label" "$wall" "$(echo "$user + $sys" | bc)"
}

for commit in "$@"; do
  src=$work/src-$commit
  git clone -q "$repo" "$src"
  git -C "$src" checkout -q "$commit"
  echo "== $(git -C "$src" log --oneline -1)"
  timed "configure" cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
  timed "build" cmake --build "$src/build" -j"$jobs"
  timed "tests (ctest -j$jobs)" ctest --test-dir "$src/build" -LE desktop -j"$jobs"
  timed "programs only" sh -c "cmake -S '$src' -B '$src/build-programs' -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null && cmake --build '$src/build-programs' -j$jobs"
  rm -rf "$src"
done
