#!/usr/bin/env bash
# Draws the program's icon (a page with a folded corner and a red band) and
# writes app/velmora.ico in 16, 32 and 48 pixels. Run by hand when it changes.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48; do
  m=$((s / 8)); f=$((s / 3)); r=$((s - m - 1)); b=$((s - m - 1))
  convert -size ${s}x${s} xc:none \
    -fill white -stroke '#404040' -strokewidth 1 \
    -draw "polygon $m,$m $((r - f)),$m $r,$((m + f)) $r,$b $m,$b" \
    -fill '#c0c0c0' -draw "polygon $((r - f)),$m $((r - f)),$((m + f)) $r,$((m + f))" \
    -stroke none -fill '#c81e1e' -draw "rectangle $((m + 1)),$((s / 2)) $((r - 1)),$((s / 2 + s / 6))" \
    "$tmp/icon$s.png"
done
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" velmora.ico
