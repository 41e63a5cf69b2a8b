#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every program
# came with its desktop entry and icon, and that each entry is valid.
#   install-test.sh <build dir> <program>...
set -uo pipefail
build=$1; shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed" >&2; exit 1; }
status=0
for p in "$@"; do
  for f in "bin/$p" "share/applications/lessons-$p.desktop" \
           "share/icons/hicolor/scalable/apps/lessons-$p.svg"; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f" >&2; status=1; }
  done
  [ -x "$prefix/bin/$p" ] || { echo "not executable: bin/$p" >&2; status=1; }
  entry="$prefix/share/applications/lessons-$p.desktop"
  if [ -e "$entry" ]; then
    out=$(desktop-file-validate "$entry" 2>&1) || { echo "$out" >&2; status=1; }
    [ -n "$out" ] && echo "$out"
    grep -q "^Exec=$p\$" "$entry" || { echo "$entry does not start $p" >&2; status=1; }
    grep -q "^Icon=lessons-$p\$" "$entry" || { echo "$entry has not its own icon" >&2; status=1; }
    grep -qP '^Name=.*[\x{3040}-\x{30ff}\x{4e00}-\x{9fff}]' "$entry" ||
      { echo "$entry has no Japanese name" >&2; status=1; }
  fi
  svg="$prefix/share/icons/hicolor/scalable/apps/lessons-$p.svg"
  [ -e "$svg" ] && ! grep -q "@" "$svg" && grep -q "<path d=\"M" "$svg" ||
    { echo "icon of $p is not filled in" >&2; status=1; }
done
[ $status -eq 0 ] && echo "installed and valid: $*"
exit $status
