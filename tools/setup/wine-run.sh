#!/usr/bin/env bash
# CMake's cross-compiling emulator: runs one Windows program under the
# project's Wine. The build tree is found from the program's own path.
set -e
exe="$1"
if [ -z "${VELMORA_BUILD:-}" ]; then
  dir=$(cd "$(dirname "$exe")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  export VELMORA_BUILD="$dir"
fi
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE" "$@"
