#!/usr/bin/env bash
# Runs a test program on a headless weston of its own, on Qt's Wayland
# platform. Exit 77 (ctest: skipped) where weston or Qt's Wayland plugin is
# missing; scripts/install-deps --dev installs both.
#   wayland-run.sh <program> [args...]
set -u
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
plugin_dir=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugin_dir"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
  { echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=velmora-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 $weston_pid 2>/dev/null || { cat "$runtime/weston.log"; echo "FAIL: weston did not start"; exit 1; }
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log"; echo "FAIL: weston made no socket"; exit 1; }
# Under the sanitizers, leaks are not looked for here: libwayland-client and
# Qt's Wayland plugin (unloaded at exit, so LeakSanitizer cannot even name it)
# keep allocations to the end; memory errors still end the run.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
