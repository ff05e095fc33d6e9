#!/usr/bin/env bash
# Makes the build tree's private Wine prefix once (about a minute).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# 64-bit Wine does not find Debian's Wine fonts by itself: without them the
# caption buttons draw as letters (no Marlett) and "MS Sans Serif" falls back
# to another face. Copied every time, so older prefixes get them too.
install_fonts() {
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

if [ -f "$WINEPREFIX/.velmora-ready" ]; then install_fonts; exit 0; fi
echo "making Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i </dev/null >/dev/null 2>&1
# Without a window manager every hide or destroy of a managed window waits
# for an answer that never comes.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
"$WINESERVER" -w
install_fonts
touch "$WINEPREFIX/.velmora-ready"
