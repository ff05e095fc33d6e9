#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, once.
# Quick when everything is already there, so every make target may call it.
#
# What every machine needs is installed first, and only its failure stops
# the set-up. wine32 (with the i386 architecture) is optional: it only adds a
# second pass of the program-driving suites over the shipped 32-bit program.
# When it cannot be installed, one line says why and the set-up goes on, as
# on a machine that runs no 32-bit programs.
#
# VELMORA_WINE32=fail tries that path on purpose: the optional part is tried
# as on a machine that runs 32-bit programs, and apt is asked for a version
# of wine32 that does not exist, so its install really fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
apt_get() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-win32   || need+=(g++-mingw-w64-i686-win32 binutils-mingw-w64-i686)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
have cmake                      || need+=(cmake)
have make                       || need+=(make)
# 64-bit Wine runs the tests' x86_64 build everywhere.
[ -x /usr/lib/wine/wine64 ]     || need+=(wine64)
dpkg -s fonts-wine  >/dev/null 2>&1 || need+=(fonts-wine)
[ -d /usr/src/googletest ]      || need+=(googletest)
have Xvfb                       || need+=(xvfb)
have xauth                      || need+=(xauth)
have xdotool                    || need+=(xdotool)
have import                     || need+=(imagemagick)
have pdftk                      || need+=(pdftk-java)
have qpdf                       || need+=(qpdf)
have zip                        || need+=(zip)

# A mirror in the middle of a sync fails some index files (often only the
# i386 ones). That alone stops nothing: what the index lacks shows when a
# package cannot be installed.
indexed=0
first_error() { printf '%s\n' "$1" | grep '^E:' | head -n 1; }
last_error() { printf '%s\n' "$1" | grep '^E:' | tail -n 1; }
update_index() {
  [ $indexed = 1 ] && return 0
  indexed=1
  local log
  log=$(apt_get update -qq 2>&1) && return 0
  echo "apt-get update reported errors ($(first_error "$log")); trying it once more"
  log=$(apt_get update -qq 2>&1) && return 0
  echo "apt-get update still reports errors; installing anyway"
}

install_required() {
  [ ${#need[@]} -eq 0 ] && return 0
  echo "installing: ${need[*]}"
  update_index
  if ! apt_get install -y -qq --no-install-recommends "${need[@]}" >/dev/null; then
    echo "The set-up stopped: apt could not install what building and testing need (its message is above)." >&2
    exit 1
  fi
}

# A failure of the optional part is remembered for a day in the build tree,
# so that every make call does not fetch the index again to fail the same way.
remembered="$root/build/.wine32-not-installed"

install_wine32() {
  local package=wine32:i386
  if [ "${VELMORA_WINE32:-}" = fail ]; then
    package=wine32:i386=0~velmora-unavailable
  else
    "$here/runs-32bit.sh" || return 0
    dpkg -s wine32:i386 >/dev/null 2>&1 && return 0
    if [ -n "$(find "$remembered" -mmin -1440 2>/dev/null)" ]; then
      cat "$remembered"
      return 0
    fi
  fi
  local added=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "installing: wine32 (optional), with the i386 architecture"
    $SUDO dpkg --add-architecture i386
    added=1
    indexed=0
  fi
  update_index
  local log
  if log=$(apt_get install -y -qq --no-install-recommends "$package" 2>&1); then
    rm -f "$remembered"
    return 0
  fi
  # An architecture that nothing was installed from would only make every
  # later update fetch its index, and fail with it.
  if [ $added = 1 ]; then $SUDO dpkg --remove-architecture i386 || true; fi
  local reason
  reason=$(last_error "$log")
  [ -n "$reason" ] || reason=$(printf '%s\n' "$log" | tail -n 1)
  local line="wine32 could not be installed ($reason): the 32-bit pass over the shipped velmora.exe is skipped."
  echo "$line"
  if [ "${VELMORA_WINE32:-}" != fail ]; then
    mkdir -p "$(dirname "$remembered")" && echo "$line" >"$remembered"
  fi
}

install_required
install_wine32
