#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, once.
# Quick when everything is already there, so every make target may call it.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-win32   || need+=(g++-mingw-w64-i686-win32 binutils-mingw-w64-i686)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
have cmake                      || need+=(cmake)
have make                       || need+=(make)
# 64-bit Wine runs the tests' x86_64 build everywhere. Where the kernel also
# runs 32-bit programs, wine32 joins it so the shipped i686 program is driven
# too; elsewhere wine32 cannot start, and i386 is never added there.
[ -x /usr/lib/wine/wine64 ]     || need+=(wine64)
runs32=0
"$(dirname "${BASH_SOURCE[0]}")/runs-32bit.sh" && runs32=1
if [ $runs32 = 1 ]; then
  dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
fi
dpkg -s fonts-wine  >/dev/null 2>&1 || need+=(fonts-wine)
[ -d /usr/src/googletest ]      || need+=(googletest)
have Xvfb                       || need+=(xvfb)
have xauth                      || need+=(xauth)
have xdotool                    || need+=(xdotool)
have import                     || need+=(imagemagick)
have pdftk                      || need+=(pdftk-java)
have qpdf                       || need+=(qpdf)
have zip                        || need+=(zip)

[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "installing: ${need[*]}"
if [ $runs32 = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
