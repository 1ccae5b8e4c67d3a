#!/usr/bin/env bash
# Builds the .deb from the current build tree into a folder of its own, for
# the package tests that look at it (contents, lintian).
#
# usage: build-deb.sh <build dir> <output dir> [cpack]
set -uo pipefail

build_dir=$1
out=$2
cpack=${3:-cpack}

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
mapfile -t debs < <(find "$out" -maxdepth 1 -name 'velmora_*.deb')
if [ ${#debs[@]} -ne 1 ]; then
  echo "FAIL: expected one velmora_*.deb, found ${#debs[@]}"
  exit 1
fi
echo "built $(basename "${debs[0]}")"
