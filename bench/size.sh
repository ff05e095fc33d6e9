#!/usr/bin/env bash
# Size of the shipped 32-bit velmora.exe once stripped, against its target,
# and what takes the space.
# Usage: bench/size.sh SHIP_EXE   (e.g. build/i686/app/velmora.exe)
set -euo pipefail
exe=${1:?usage: size.sh SHIP_EXE}
target_kb=256
stripped=$(mktemp --suffix=.exe)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$exe"
bytes=$(stat -c %s "$stripped")
kb=$(( (bytes + 1023) / 1024 ))
echo "stripped velmora.exe (i686): $bytes bytes = $kb KB (target <= $target_kb KB): $([ "$kb" -le "$target_kb" ] && echo met || echo NOT met)"
echo "sections of the stripped file:"
i686-w64-mingw32-size -A "$stripped" | awk '$1 ~ /^\./ { printf "  %-10s %7.1f KB\n", $1, $2 / 1024 }'
echo "code by origin (from the unstripped file's symbols):"
python3 "$(dirname "${BASH_SOURCE[0]}")/size_report.py" i686-w64-mingw32-nm "$exe"
