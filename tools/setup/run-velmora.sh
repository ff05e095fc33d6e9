#!/usr/bin/env bash
# Starts Velmora from build/.../run with the pdftk bridge beside it. With a
# display the program runs until it is closed; without one it runs on a
# private Xvfb, and a screenshot of its main window (or of whatever it shows
# instead) goes to $SCREENSHOT (default run/screenshot.png). VELMORA_DPI=144
# shows it at 150 % display scale; the prefix is put back to 96 DPI after.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
run="$VELMORA_BUILD/run"
mkdir -p "$run"
cp "$VELMORA_BUILD/app/velmora.exe" "$run/"
if [ -f "$VELMORA_BUILD/bridge/pdftk.exe" ]; then
  cp "$VELMORA_BUILD/bridge/pdftk.exe" "$run/"
else
  echo "no pdftk bridge in $VELMORA_BUILD/bridge: Velmora will refuse to start" >&2
fi
# A relative $SCREENSHOT names a file from where make was called.
shot=$(realpath -m "${SCREENSHOT:-$run/screenshot.png}")
cd "$run"
if [ -n "${VELMORA_DPI:-}" ]; then
  desktop='HKCU\Control Panel\Desktop'
  "$WINE" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$VELMORA_DPI" /f >/dev/null 2>&1
  # with-display.sh starts a wineserver of its own.
  "$WINESERVER" -w
  trap '"$WINE" reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1' EXIT
fi
if [ -n "${DISPLAY:-}" ]; then
  "$here/with-display.sh" "$WINE" velmora.exe "$@"
  exit
fi
"$here/with-display.sh" bash -c '
  "$0" velmora.exe "${@:2}" & pid=$!
  # Until the main window shows (at most 30 s), then a moment to paint it.
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name "^Velmora version" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep "${VELMORA_SHOT_DELAY:-1}"
  import -display "$DISPLAY" -window root "$1" && echo "screenshot: $1"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null; true' "$WINE" "$shot" "$@"
