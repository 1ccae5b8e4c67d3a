#!/usr/bin/env bash
# scripts/install-deps while another apt is busy: the package lists' lock is
# held for the first two updates (apt 2.6 has no wait for it), and the dpkg
# lock is had only by an apt told to wait for it, as apt does.
set -euo pipefail
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
cat >"$stubs/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$*" >>"$STUBS/calls"
case " $* " in
  *" update "*)
    if [ "$(grep -c ' update' "$STUBS/calls")" -le 2 ]; then
      echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 1 (apt-get)" >&2
      exit 100
    fi ;;
  *" install "*)
    if [[ " $* " != *" DPkg::Lock::Timeout="[1-9]* ]]; then
      echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 1 (unattended-upgr)" >&2
      exit 100
    fi ;;
esac
STUB
printf '#!/bin/sh\nexit 0\n' >"$stubs/dpkg-query" # nothing is installed
printf '#!/bin/sh\nexit 0\n' >"$stubs/sleep"
printf '#!/bin/sh\nexec "$@"\n' >"$stubs/sudo"
chmod +x "$stubs"/*

STUBS=$stubs PATH="$stubs:$PATH" bash "$1/scripts/install-deps"
test "$(grep -c ' update' "$stubs/calls")" -eq 3
grep -q ' install .*qt6-base-dev' "$stubs/calls"
