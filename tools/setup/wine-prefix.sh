#!/usr/bin/env bash
# Makes the build tree's private Wine prefix once (about a minute).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# This 64-bit Wine does not look into its own font folder: without copies in
# the prefix "MS Sans Serif" falls back to another face and the caption
# buttons (Marlett) draw as letters. Copied also into prefixes made before.
give_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] || return 0
  cp -n /usr/share/wine/fonts/* "$fonts/"
}

if [ -f "$WINEPREFIX/.velmora-ready" ]; then
  give_fonts
  exit 0
fi
echo "making Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i </dev/null >/dev/null 2>&1
# Without a window manager every hide or destroy of a managed window waits
# for an answer that never comes.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
"$WINESERVER" -w
give_fonts
touch "$WINEPREFIX/.velmora-ready"
