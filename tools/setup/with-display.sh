#!/usr/bin/env bash
# Runs a command with a display and a warm Wine: a private Xvfb unless
# $DISPLAY is already usable, one persistent wineserver, Wine's services
# started outside the command (so no test inherits their output pipes).
# Usage: with-display.sh [--private] COMMAND...
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

private=0
if [ "${1:-}" = --private ]; then private=1; shift; fi
[ -n "${DISPLAY:-}" ] || private=1

xvfb_pid=""
cleanup() {
  set +e
  "$WINESERVER" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
  [ -n "${dispfile:-}" ] && rm -f "$dispfile"
}
trap cleanup EXIT

if [ "$private" = 1 ]; then
  dispfile=$(mktemp)
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$dispfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$dispfile")"
fi

"$WINESERVER" -p30
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
if [ -n "${VELMORA_KEEPER:-}" ] && [ -f "$VELMORA_KEEPER" ]; then
  # Wait until the keeper's window exists: a test started earlier would start
  # Wine's desktop process itself, which then holds CTest's output pipe open
  # until the test's time limit.
  ready="$WINEPREFIX/drive_c/keeper-ready"
  rm -f "$ready"
  "$WINE" "$VELMORA_KEEPER" 'C:\keeper-ready' </dev/null >/dev/null 2>&1 &
  for _ in $(seq 600); do [ -f "$ready" ] && break; sleep 0.05; done
fi

set +e
"$@"
status=$?
exit $status
