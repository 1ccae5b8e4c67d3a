#!/usr/bin/env bash
# The build a newcomer waits for: `make program` (what `make run` does before
# the window opens) on a fresh copy of the tree, against configuring and
# building the one-file Qt Widgets program in bench/build-floor, the two
# alternating. Prints one line per round: "<velmora seconds> <floor seconds>".
# No compiler cache: a newcomer has none.
set -euo pipefail
rounds=${1:-1}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset CMAKE_CXX_COMPILER_LAUNCHER
export CCACHE_DISABLE=1

seconds() { local start=$EPOCHREALTIME; "$@" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
            awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN{printf "%.1f", b-a}'; }

program() {
    rm -rf "$work/tree" && mkdir "$work/tree"
    (cd "$top" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$work/tree")
    seconds make -C "$work/tree" --no-print-directory program
}
# The floor is compiled by the compiler the program's build chose (the first
# round builds the program first, and its build folder stays until the next).
floor() {
    rm -rf "$work/floor"
    local cxx
    cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$work/tree/build/CMakeCache.txt")
    seconds sh -c "cmake -S '$top/bench/build-floor' -B '$work/floor' -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER='$cxx' &&
                   cmake --build '$work/floor' -j $(nproc)"
}
for ((i = 0; i < rounds; ++i)); do
    if ((i % 2 == 0)); then p=$(program); f=$(floor); else f=$(floor); p=$(program); fi
    echo "$p $f"
done
