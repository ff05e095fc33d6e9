# Sourced by every script that runs Wine: a private, quiet, non-interactive
# Wine that never writes to $HOME. VELMORA_BUILD names the build tree that
# holds the prefix.
#
# Wine runs 64-bit: some of the machines we build on execute no 32-bit Linux
# code, so wine32 cannot start there, and the test programs are built for
# x86_64 from the same sources; the shipped program stays i686. Where wine32
# is installed, wine64 hands a 32-bit program to the 32-bit loader beside it
# (/usr/lib/wine/wine, the name with "64" taken off) in the same win64
# prefix and wineserver, so the pins below serve both.
: "${VELMORA_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/x86_64}"
export WINEPREFIX="$VELMORA_BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
WINE=/usr/lib/wine/wine64
