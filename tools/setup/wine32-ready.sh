#!/usr/bin/env bash
# Succeeds when the shipped 32-bit velmora.exe can be driven here: wine32 is
# installed and its 32-bit loader starts. A kernel that runs 32-bit programs
# is not enough, since wine32 may have failed to install.
# With --why, a failure prints why, as a phrase for the caller's line.
# VELMORA_RUNS_32BIT=no and VELMORA_WINE32=fail answer no (to see how the
# other kinds of machine behave).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

why=0
[ "${1:-}" = --why ] && why=1
skip() {
  [ $why = 1 ] && echo "$1"
  exit 1
}
[ "${VELMORA_WINE32:-}" = fail ] && skip "wine32 is taken as not installable (VELMORA_WINE32=fail)"
"$here/runs-32bit.sh" || skip "this machine runs no 32-bit programs"
[ -x /usr/lib/wine/wine ] || skip "wine32 is not installed"
# The 32-bit loader answers --version before it needs a prefix.
/usr/lib/wine/wine --version >/dev/null 2>&1 || skip "wine32 is installed but does not start"
exit 0
