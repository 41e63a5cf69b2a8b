#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# software centre read: every program with its desktop entry (English and
# Japanese texts, keywords, one main category, the window class, an Exec
# that starts it from this prefix), its icon and its manual page; the
# licence and changelog; and the suite's AppStream data, which must pass
# appstreamcli and name every program.
#   install-test.sh <build dir> <program>...
set -uo pipefail
build=$1; shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed" >&2; exit 1; }
status=0
fail() { echo "$*" >&2; status=1; }
japanese='[\x{3040}-\x{30ff}\x{4e00}-\x{9fff}]'
main_categories='AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility'

for p in "$@"; do
  for f in "bin/$p" "share/applications/lessons-$p.desktop" \
           "share/icons/hicolor/scalable/apps/lessons-$p.svg" "share/man/man1/$p.1.gz"; do
    [ -e "$prefix/$f" ] || fail "missing after install: $f"
  done
  [ -x "$prefix/bin/$p" ] || fail "not executable: bin/$p"
  entry="$prefix/share/applications/lessons-$p.desktop"
  if [ -e "$entry" ]; then
    out=$(desktop-file-validate "$entry" 2>&1) || fail "$out"
    [ -n "$out" ] && echo "$out"
    # Exec names the program in this prefix, so it starts without PATH.
    grep -qx "Exec=$prefix/bin/$p" "$entry" || fail "$entry does not start $prefix/bin/$p"
    grep -qx "Icon=lessons-$p" "$entry" || fail "$entry has not its own icon"
    grep -qx "StartupWMClass=$p" "$entry" || fail "$entry does not name the window class $p"
    for key in Name GenericName Comment Keywords; do
      grep -qP "^$key=[\x20-\x7e]+\$" "$entry" || fail "$entry has no English $key"
      grep -qP "^$key\[ja\]=.*$japanese" "$entry" || fail "$entry has no Japanese $key"
    done
    mains=$(grep '^Categories=' "$entry" | tr ';=' '\n\n' | grep -cxE "$main_categories")
    grep -q '^Categories=Education;' "$entry" && [ "$mains" -eq 1 ] ||
      fail "$entry: Education must be the one main category"
  fi
  svg="$prefix/share/icons/hicolor/scalable/apps/lessons-$p.svg"
  [ -e "$svg" ] && ! grep -q "@" "$svg" && grep -q "<path d=\"M" "$svg" || fail "icon of $p is not filled in"
  page="$prefix/share/man/man1/$p.1.gz"
  if [ -e "$page" ]; then
    zcat "$page" | grep -q '^\.SH KEYS IN EVERY LESSON' && zcat "$page" | grep -q '^\.B F9, Pause' ||
      fail "manual page of $p lacks the suite's keys"
    if command -v man >/dev/null; then
      warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
      [ -z "$warnings" ] || fail "manual page of $p: $warnings"
    fi
  fi
done

doc="$prefix/share/doc/lessons"
grep -q '^License: Expat' "$doc/copyright" 2>/dev/null && grep -q 'Permission is hereby granted' "$doc/copyright" ||
  fail "no copyright file with the licence"
zcat "$doc/changelog.gz" 2>/dev/null | head -1 | grep -q '^lessons (' || fail "no changelog"

metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -1)
if [ -z "$metainfo" ]; then
  fail "no AppStream metainfo installed"
else
  out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "$out"
  launchable=$(grep -oP '(?<=<launchable type="desktop-id">)[^<]+' "$metainfo")
  [ -e "$prefix/share/applications/$launchable" ] || fail "metainfo launches $launchable, which is not installed"
  for p in "$@"; do
    grep -q "<binary>$p</binary>" "$metainfo" || fail "metainfo does not provide $p"
  done
fi
[ $status -eq 0 ] && echo "installed and valid: $*"
exit $status
