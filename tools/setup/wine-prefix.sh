#!/usr/bin/env bash
# Makes the build tree's private Wine prefix once (about a minute).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
[ -f "$WINEPREFIX/.velmora-ready" ] && exit 0
echo "making Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i </dev/null >/dev/null 2>&1
# Without a window manager every hide or destroy of a managed window waits
# for an answer that never comes.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
"$WINESERVER" -w
touch "$WINEPREFIX/.velmora-ready"
