#!/usr/bin/env bash
# Starts Velmora from build/.../run with the pdftk bridge beside it. With a
# display the program runs until it is closed; without one it runs on a
# private Xvfb, and a screenshot goes to $SCREENSHOT (default run/screenshot.png).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
run="$VELMORA_BUILD/run"
mkdir -p "$run"
cp "$VELMORA_BUILD/app/velmora.exe" "$run/"
[ -f "$VELMORA_BUILD/bridge/pdftk.exe" ] && cp "$VELMORA_BUILD/bridge/pdftk.exe" "$run/"
cd "$run"
if [ -n "${DISPLAY:-}" ]; then
  exec "$here/with-display.sh" "$WINE" velmora.exe "$@"
fi
shot="${SCREENSHOT:-$run/screenshot.png}"
"$here/with-display.sh" bash -c '
  "$0" velmora.exe "${@:2}" & pid=$!
  sleep "${VELMORA_SHOT_DELAY:-4}"
  import -display "$DISPLAY" -window root "$1" && echo "screenshot: $1"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null; true' "$WINE" "$shot" "$@"
