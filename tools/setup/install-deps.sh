#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, once.
# Quick when everything is already there, so every make target may call it.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
have cmake                      || need+=(cmake)
have make                       || need+=(make)
have wine                       || need+=(wine)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
dpkg -s fonts-wine  >/dev/null 2>&1 || need+=(fonts-wine)
[ -d /usr/src/googletest ]      || need+=(googletest)
have Xvfb                       || need+=(xvfb)
have xauth                      || need+=(xauth)
have xdotool                    || need+=(xdotool)
have xwd                        || need+=(x11-apps)
have import                     || need+=(imagemagick)
have pdftk                      || need+=(pdftk-java)
have qpdf                       || need+=(qpdf)
have zip                        || need+=(zip)

[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "installing: ${need[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
