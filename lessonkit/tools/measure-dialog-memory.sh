#!/usr/bin/env bash
# Prints, for every lesson with a number-entry dialog, how much its resident
# memory grows over 300 dialog uses (a typed entry, Esc and the window
# manager's close in turn, after a warm-up of 30), as the memory check of its
# window tests measures it.
#
#   lessonkit/tools/measure-dialog-memory.sh [build-dir] [--x11]
#
# With --x11 the tests run on a private Xvfb server with openbox and the real
# xcb platform instead of the headless one.
set -euo pipefail
build=build
x11=0
for a in "$@"; do
  case "$a" in
    --x11) x11=1 ;;
    *) build=$a ;;
  esac
done
cd "$(dirname "$(readlink -f "$0")")/../.."

# Each lesson's test that begins with the dialogs' memory check.
tests=(
  "spikelimit spikelimit/spikelimit_window_tests SpikelimitWindow.RandomInputThenTheLessonStillWorks"
  "zonalpoly zonalpoly/zonalpoly_window_tests ZonalpolyWindow.RandomInputThenTheLessonStillWorks"
  "wellstates wellstates/wellstates_window_tests WellstatesWindow.RandomInputThenTheLessonStillWorks"
  "wellbasis wellbasis/wellbasis_window_tests WellbasisWindow.RandomInput"
  "minimaxfit minimaxfit/minimaxfit_window_tests MinimaxfitWindow.RestartsDoNotGrowTheProcess"
  "radialwave radialwave/radialwave_window_tests RadialwaveWindow.RestartsDoNotGrowMemory"
  "orbitspectrum orbitspectrum/orbitspectrum_window_tests OrbitWindow.RandomInputThenTheLessonStillWorks"
)

run() {
  if [ "$x11" = 1 ]; then
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c \
      'openbox >/dev/null 2>&1 & sleep 1; LESSONS_TEST_DISPLAY=1 QT_QPA_PLATFORM=xcb "$@"' _ "$@"
  else
    QT_QPA_PLATFORM=offscreen "$@"
  fi
}

printf '%-14s %s\n' lesson "growth over 300 dialog uses ($([ "$x11" = 1 ] && echo xcb || echo offscreen))"
for t in "${tests[@]}"; do
  read -r name binary filter <<<"$t"
  if [ ! -x "$build/$binary" ]; then
    printf '%-14s %s\n' "$name" "(not built)"
    continue
  fi
  figures=$(run "$build/$binary" --gtest_filter="$filter" 2>/dev/null |
            sed -n 's/^resident memory over [0-9]* dialog uses: \(.*\)$/\1/p' | paste -sd' ' -) || true
  printf '%-14s %s\n' "$name" "${figures:-(no figure)}"
done
