#!/usr/bin/env python3
"""Where the code of a PE file goes: function sizes from the distance to the
next symbol (PE symbols carry no sizes), grouped by where they come from.
Usage: size_report.py NM EXE"""
import collections, subprocess, sys

nm, exe = sys.argv[1], sys.argv[2]
lines = subprocess.run([nm, "-n", "-C", exe], capture_output=True, text=True, check=True).stdout.splitlines()
symbols = []
for line in lines:
    parts = line.split(None, 2)
    if len(parts) == 3 and parts[1] in "tT":
        symbols.append((int(parts[0], 16), parts[2]))

def origin(name):
    if "velmora::" in name:
        return "Velmora's own code"
    if any(k in name for k in ("std::", "__gnu_cxx", "__cxxabiv1", "__cxa", "operator new", "operator delete",
                                "_Unwind", "__gxx", "uw_", "d_print", "d_demangle", "__dynamic_cast", "execute_cfa",
                                "read_encoded", "search_object", "__register_frame", "__deregister_frame")):
        return "C++ runtime (libstdc++, exceptions, unwinder)"
    return "C runtime and the rest"

totals = collections.Counter()
sized = []
for (address, name), (following, _) in zip(symbols, symbols[1:]):
    size = following - address
    if name == ".text" or size <= 0 or size > 1 << 20:
        continue
    totals[origin(name)] += size
    sized.append((size, name))

for group, size in totals.most_common():
    print(f"  {group:<48} {size / 1024:7.1f} KB")
print("  largest functions:")
for size, name in sorted(sized)[-12:][::-1]:
    print(f"    {size / 1024:6.1f} KB  {name[:100]}")
