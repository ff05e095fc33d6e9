#!/usr/bin/env bash
# Fails when a program imports a DLL of the compiler's runtime: users get
# one file and nothing else.
set -euo pipefail
status=0
for exe in "$@"; do
  [ -f "$exe" ] || { echo "missing: $exe"; status=1; continue; }
  dlls=$( (x86_64-w64-mingw32-objdump -p "$exe" 2>/dev/null || i686-w64-mingw32-objdump -p "$exe") | awk '/DLL Name/ {print $3}')
  echo "$exe imports: $(echo $dlls)"
  if echo "$dlls" | grep -qiE 'libgcc|libstdc|winpthread|msvcp|vcruntime'; then
    echo "  runtime DLL imported"; status=1
  fi
done
exit $status
