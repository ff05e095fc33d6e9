#!/usr/bin/env bash
# Packs the zip for Windows users: the stripped 32-bit velmora.exe, a note on
# where pdftk comes from, and the licence (the MIT terms ask that it travels
# with every copy). Usage: make-dist.sh SHIP_BUILD_DIR
set -euo pipefail
build=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out="$root/build/dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$out" "$stage/velmora"
i686-w64-mingw32-strip -o "$stage/velmora/velmora.exe" "$build/app/velmora.exe"
sed 's/$/\r/' "$root/docs/dist-readme.txt" > "$stage/velmora/README.txt"
sed 's/$/\r/' "$root/LICENSE" > "$stage/velmora/LICENSE.txt"
rm -f "$out/velmora.zip"
(cd "$stage" && zip -q -r "$out/velmora.zip" velmora)
echo "$out/velmora.zip"
unzip -l "$out/velmora.zip"
