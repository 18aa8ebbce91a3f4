#!/bin/bash
# Starts keepalive.exe detached from CTest's output and waits until it
# reports that Wine's desktop is up (see keepalive.cpp).
#   start-keepalive.sh WINE_RUN_COMMAND... -- KEEPALIVE_EXE MARKER
set -u
cmd=()
while [ "$1" != -- ]; do cmd+=("$1"); shift; done
shift
exe=$1 marker=$2
rm -f "$marker"
setsid "${cmd[@]}" "$exe" "$(winepath -w "$marker" 2>/dev/null || echo "$marker")" \
  </dev/null >/dev/null 2>&1 &
for _ in $(seq 300); do [ -e "$marker" ] && exit 0; sleep 0.1; done
echo "keep-alive did not start" >&2
exit 1
