#!/usr/bin/env bash
# The set-up against a stand-in apt: an index that fails to update stops
# nothing, a wine32 that cannot be installed is skipped in one line, and only
# a required package that cannot be installed stops the set-up.
# Usage: install-deps-test.sh PROJECT_DIR
set -uo pipefail
project=$1
stub=$(mktemp -d)
trap 'rm -rf "$stub"' EXIT

# dpkg and apt-get as a mirror in the middle of a sync answers them:
# fonts-wine is missing, every update fails, and $REFUSED cannot be found.
cat >"$stub/dpkg" <<'STUB'
#!/bin/sh
echo "dpkg $*" >>"$STUB_LOG"
case "$1" in
  -s) [ "$2" != fonts-wine ] && [ "$2" != wine32:i386 ] ;;
  --print-foreign-architectures) cat "$STUB_DIR/arch" 2>/dev/null ;;
  --add-architecture) echo "$2" >"$STUB_DIR/arch" ;;
  --remove-architecture) rm -f "$STUB_DIR/arch" ;;
esac
STUB
cat >"$stub/apt-get" <<'STUB'
#!/bin/sh
echo "apt-get $*" >>"$STUB_LOG"
case "$*" in
  update*) echo "E: Failed to fetch .../binary-i386/Packages  File has unexpected size (1 != 2). Mirror sync in progress?" >&2; exit 100 ;;
  *=0~velmora-unavailable*) echo "E: Version '0~velmora-unavailable' for 'wine32:i386' was not found" >&2; exit 100 ;;
  *" $REFUSED"*) echo "E: Unable to locate package $REFUSED" >&2; exit 100 ;;
esac
STUB
chmod +x "$stub/dpkg" "$stub/apt-get"

failures=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

run_setup() { # refused package; prints what the set-up said, returns its status
  : >"$stub/log"
  PATH="$stub:$PATH" STUB_DIR="$stub" STUB_LOG="$stub/log" REFUSED=$1 VELMORA_WINE32=fail \
    "$project/tools/setup/install-deps.sh" 2>&1
}

said=$(run_setup none); status=$?
check "a failing optional part lets the set-up succeed" [ $status = 0 ]
check "the index is updated twice, then the install tried anyway" \
  [ "$(sed -n '/^apt-get install/q;/^apt-get update/p' "$stub/log" | wc -l)" = 2 ]
check "the required package is installed" grep -q '^apt-get install .* fonts-wine' "$stub/log"
check "one line tells why wine32 is skipped" \
  [ "$(grep -c "^wine32 could not be installed (E: Version '0~velmora-unavailable' for 'wine32:i386' was not found): the 32-bit pass" <<<"$said")" = 1 ]
check "the i386 architecture it added is taken away again" \
  grep -q '^dpkg --remove-architecture i386' "$stub/log"

said=$(run_setup fonts-wine); status=$?
check "a required package that cannot be installed stops the set-up" [ $status != 0 ]
check "with apt's message" grep -q 'E: Unable to locate package fonts-wine' <<<"$said"
check "and wine32 is not tried" bash -c "! grep -q wine32 '$stub/log'"

why=$(VELMORA_WINE32=fail "$project/tools/setup/wine32-ready.sh" --why); status=$?
check "the 32-bit pass is then skipped, saying why" [ $status != 0 -a -n "$why" ]

echo "$((9 - failures)) passed, $failures failed"
[ $failures = 0 ]
