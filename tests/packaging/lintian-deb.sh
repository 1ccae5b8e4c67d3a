#!/usr/bin/env bash
# Runs lintian on the built .deb: any error (E:) fails, warnings and the rest
# are listed for whoever reads the test output. Without lintian the test is
# skipped (exit 77), since only the dev tools list installs it.
#
# usage: lintian-deb.sh <folder holding the .deb>
set -uo pipefail

if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: skipped"
  exit 77
fi
mapfile -t debs < <(find "$1" -maxdepth 1 -name 'velmora_*.deb')
if [ ${#debs[@]} -ne 1 ]; then
  echo "FAIL: expected one velmora_*.deb in $1, found ${#debs[@]}"
  exit 1
fi

# --fail-on error: status 2 for an error tag, 1 when lintian itself broke.
output=$(lintian --no-cfg --fail-on error --display-level '>=pedantic' "${debs[0]}" 2>&1)
status=$?
echo "$output"
if [ "$status" -eq 1 ]; then
  echo "FAIL: lintian could not check the package"
  exit 1
fi
if [ "$status" -ne 0 ] || grep -q '^E: ' <<<"$output"; then
  echo "FAIL: lintian reports errors"
  exit 1
fi
echo "lintian: no errors ($(grep -c '^W: ' <<<"$output") warning(s))"
