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

# A 32-bit program needs the prefix's 32-bit side (syswow64, the x86
# common controls), which wineboot makes only while wine32 is installed: a
# prefix made before wine32 came is made again, once.
wow64=0
"$(dirname "${BASH_SOURCE[0]}")/wine32-ready.sh" && wow64=1
if [ -f "$WINEPREFIX/.velmora-ready" ] && { [ $wow64 = 0 ] || [ -f "$WINEPREFIX/.velmora-wow64" ]; }; then
  install_fonts
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
install_fonts
if [ $wow64 = 1 ]; then touch "$WINEPREFIX/.velmora-wow64"; fi
touch "$WINEPREFIX/.velmora-ready"
