#!/usr/bin/env bash
# Runs every benchmark program of a build tree under the project's Wine.
# Usage: bench/run-all.sh BUILD_DIR   (e.g. build/x86_64)
set -euo pipefail
build=$(cd "${1:?usage: run-all.sh BUILD_DIR}" && pwd)
export VELMORA_BUILD="${VELMORA_BUILD:-$build}"
# Where the benchmarks that drive velmora.exe find it and the stand-in tool.
export VELMORA_BIN="${VELMORA_BIN:-$build}"
. "$(dirname "${BASH_SOURCE[0]}")/../tools/setup/wine-env.sh"

status=0
shopt -s nullglob
for exe in "$build"/bench/*.exe; do
  echo "== $(basename "$exe")"
  "$WINE" "$exe" </dev/null || { echo "$(basename "$exe") failed"; status=1; }
done
echo "== size"
bench_dir=$(dirname "${BASH_SOURCE[0]}")
ship=${VELMORA_SHIP_EXE:-$bench_dir/../build/i686/app/velmora.exe}
"$bench_dir/size.sh" "$ship" || status=1
exit $status
