#!/usr/bin/env bash
# The release history is told three times: the Debian changelog (shipped as
# changelog.gz), the metainfo's <releases> (shown by software centres) and the
# manual page's header. They must agree with each other and with the version
# the build stamps on the program and the package.
#
# usage: check-changelog.sh <source dir> <project version>
set -uo pipefail

source_dir=$1
version=$2
changelog=$source_dir/packaging/debian/changelog
metainfo=$source_dir/packaging/velmora.metainfo.xml
manpage=$source_dir/packaging/velmora.1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# "version date" per release, newest first, from each side.
from_changelog=$(dpkg-parsechangelog -l "$changelog" --all --format rfc822 |
  awk -F': ' '$1 == "Version" { v = $2 } $1 == "Date" { print v " " $2 }' |
  while read -r v date; do echo "$v $(date -u -d "$date" +%F)"; done)
from_metainfo=$(grep -o '<release [^>]*>' "$metainfo" |
  sed -n 's/.*version="\([^"]*\)".*date="\([^"]*\)".*/\1 \2/p')
[ -n "$from_changelog" ] || fail "no entries read from $changelog"
if [ "$from_changelog" != "$from_metainfo" ]; then
  fail "the changelog and the metainfo's releases differ (version date, newest first):"
  diff <(echo "$from_changelog") <(echo "$from_metainfo")
fi

newest=$(head -n 1 <<<"$from_changelog" | cut -d' ' -f1)
[ "$newest" = "$version" ] || fail "newest changelog entry $newest, but the project is $version"
th=$(grep -m1 '^\.TH ' "$manpage")
grep -q "\"Velmora $version\"" <<<"$th" || fail "the manual page's header '$th' does not name Velmora $version"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "changelog, metainfo and manual page agree on $version"
