#!/usr/bin/env bash
# What `cmake --install` puts in place, checked as a desktop and `man` read
# it: the programs, the manual pages (rendered without a warning), the
# desktop file and the AppStream metadata (valid for desktop-file-validate
# and appstreamcli, without the network).
#   installed_files_test.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for program in corvane corvane-validate; do
  [ -x "$stage/usr/bin/$program" ] || fail "bin/$program is not installed"
done

for page in corvane corvane-validate; do
  file=$stage/usr/share/man/man1/$page.1
  if [ ! -f "$file" ]; then fail "the manual page $page(1) is not installed"; continue; fi
  warnings=$(groff -ww -z -man "$file" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $page(1): $warnings"
  text=$(MANWIDTH=80 man -l "$file" 2>&1) || fail "man cannot show $page(1)"
  for section in NAME SYNOPSIS DESCRIPTION "SEE ALSO"; do
    grep -q "^$section" <<<"$text" || fail "$page(1) has no $section section"
  done
  grep -q "^$(tr a-z A-Z <<<"$page")(1)" <<<"$text" || fail "$page(1) has the wrong title"
done

desktop=$stage/usr/share/applications/org.corvane.Corvane.desktop
metainfo=$stage/usr/share/metainfo/org.corvane.Corvane.metainfo.xml
[ -f "$desktop" ] || fail "the desktop file is not installed"
[ -f "$metainfo" ] || fail "the AppStream metadata is not installed"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop file"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2 || true
  fail "appstreamcli rejects the metadata"
}
# "Open With" hands the file to the program, and XML files list it.
grep -qx 'Exec=corvane %f' "$desktop" || fail "the desktop file does not start corvane with the file"
grep -q '^MimeType=.*application/xml;' "$desktop" || fail "the desktop file lists no XML type"

exit $failed
