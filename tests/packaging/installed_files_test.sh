#!/usr/bin/env bash
# What `cmake --install` puts in place, as a desktop and `man` read it: the
# programs, the manual pages (shown without a warning), the desktop file and
# the AppStream metadata (valid for desktop-file-validate and appstreamcli,
# without the network).   installed_files_test.sh BUILD_DIR
set -euo pipefail
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$1" --prefix "$stage/usr" >/dev/null
cd "$stage/usr"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for program in corvane corvane-validate; do
  [ -x "bin/$program" ] || fail "bin/$program is not installed"
  page=share/man/man1/$program.1
  warnings=$(groff -ww -z -man "$page" 2>&1) || fail "$page is missing or broken: $warnings"
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
  text=$(MANWIDTH=80 man -l "$page" 2>&1) || fail "man cannot show $page"
  for heading in "${program^^}(1)" NAME SYNOPSIS DESCRIPTION "SEE ALSO"; do
    grep -qF "$heading" <<<"$text" || fail "$page shows no $heading"
  done
done

# Every option the program takes is in its manual page, and so is the
# number that bounds --all-errors.
validate_page=$(MANWIDTH=200 man -l share/man/man1/corvane-validate.1 2>&1)
for option in -q --quiet -h --help --all-errors --offline --format= --version 1000 "standard input"; do
  grep -qF -- "$option" <<<"$validate_page" || fail "corvane-validate(1) does not mention $option"
  grep -qF -- "$option" <<<"$(bin/corvane-validate --help)" || fail "corvane-validate --help does not mention $option"
done

desktop=share/applications/org.corvane.Corvane.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net share/metainfo/org.corvane.Corvane.metainfo.xml >&2 || fail "appstreamcli rejects the metadata"
# "Open With" hands the file to the program, for XML files.
grep -qx 'Exec=corvane %f' "$desktop" || fail "$desktop does not start corvane with the file"
grep -q '^MimeType=application/xml;text/xml;' "$desktop" || fail "$desktop lists no XML type"
exit $failed
