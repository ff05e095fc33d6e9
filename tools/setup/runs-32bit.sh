#!/usr/bin/env bash
# Succeeds when this machine's kernel runs 32-bit x86 Linux programs, the
# condition for wine32 and so for driving the shipped i686 velmora.exe.
# Some of our kernels are built without IA-32 emulation, or have it switched
# off at boot; the kernel's version tells neither, so a tiny 32-bit program is
# run instead. It is written byte by byte here: a fresh machine may have no
# 32-bit assembler or linker.
# VELMORA_RUNS_32BIT=no answers no without asking (to see how the other
# kind of machine behaves).
set -uo pipefail
[ "${VELMORA_RUNS_32BIT:-}" = no ] && exit 1

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Inside the project, not in /tmp: a temp folder mounted noexec would make
# every machine look like one without 32-bit support.
mkdir -p "$root/build" || exit 1
probe=$(mktemp "$root/build/.runs-32bit.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT

# ELF header, one loadable segment at 0x08048000, then
#   mov ebx, 42 / mov eax, 1 (exit) / int 0x80
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$probe" && chmod +x "$probe" || exit 1

"$probe" >/dev/null 2>&1
[ $? -eq 42 ]
