#!/usr/bin/env bash
# The layer check on small made-up trees: what it lets through and what not.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
expect() {  # expected-status description
  if "$check" "$tree" >/dev/null 2>&1; then got=0; else got=1; fi
  if [ "$got" != "$1" ]; then echo "FAIL: $2 (exit $got)"; failures=$((failures + 1)); fi
}
mkdir -p "$tree/low" "$tree/high"
printf 'low\nhigh\nallow low high 1\n' > "$tree/layers.txt"
echo '#include "low/a.h"' > "$tree/high/b.cpp"
echo '#include "high/b.h"' > "$tree/low/a.cpp"
expect 0 "a downward include and one allowed upward include"
echo '#include "high/c.h"' >> "$tree/low/a.cpp"
expect 1 "one upward include more than allowed"
printf 'low\nhigh\n' > "$tree/layers.txt"
echo '#include "low/a.h"' > "$tree/low/a.cpp"
expect 0 "no upward include and none allowed"
printf 'low\nhigh\nallow low high 1\n' > "$tree/layers.txt"
expect 1 "an allowance left after its include went away"
printf 'low\nhigh\n' > "$tree/layers.txt"
echo '  #  include "high/d.h"' > "$tree/low/e.h"
expect 1 "an upward include in a header, spaced"
[ $failures -eq 0 ] && echo "check-layers tests: ok"
exit $failures
