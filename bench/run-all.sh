#!/usr/bin/env bash
# Runs every benchmark program of a build tree under the project's Wine.
# Usage: bench/run-all.sh BUILD_DIR   (e.g. build/x86_64)
set -euo pipefail
build=$(cd "${1:?usage: run-all.sh BUILD_DIR}" && pwd)
export VELMORA_BUILD="${VELMORA_BUILD:-$build}"
# Where the benchmarks that drive velmora.exe find it and the stand-in tool.
export VELMORA_BIN="${VELMORA_BIN:-$build}"
. "$(dirname "${BASH_SOURCE[0]}")/../tools/setup/wine-env.sh"

bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ship=${VELMORA_SHIP_EXE:-$bench_dir/../build/i686/app/velmora.exe}
# The start-up benchmark measures the shipped 32-bit build as well where
# Wine can run it (wine32 is installed and starts).
if why=$("$bench_dir/../tools/setup/wine32-ready.sh" --why) && [ -f "$ship" ]; then
  VELMORA_SHIP_BUILD=$(cd "$(dirname "$ship")/.." && pwd)
  export VELMORA_SHIP_BUILD
else
  unset VELMORA_SHIP_BUILD
  echo "The shipped 32-bit velmora.exe is not measured: ${why:-it is not built}, so only the x86_64 build is."
fi

status=0
shopt -s nullglob
for exe in "$build"/bench/*.exe; do
  echo "== $(basename "$exe")"
  "$WINE" "$exe" </dev/null || { echo "$(basename "$exe") failed"; status=1; }
done
echo "== size"
"$bench_dir/size.sh" "$ship" || status=1
exit $status
