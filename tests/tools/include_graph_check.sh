#!/usr/bin/env bash
# The include graph check on the sources as they are, then on copies with a fault planted:
# an include against the order of the wings, and two files that include each other.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/scripts/include-graph.sh"
work="$(mktemp -d -t include_graph.XXXXXX)"
trap 'rm -rf "$work"' EXIT

"$check" "$root/src"

failed=0
planted() { # name, what the check must say, then the planting command
    local name=$1 says=$2
    shift 2
    rm -rf "$work/src" && cp -r "$root/src" "$work/src"
    (cd "$work/src" && "$@")
    if "$check" "$work/src" >"$work/out" 2>&1; then
        echo "FAIL: $name passed the check"
        failed=1
    elif ! grep -q "$says" "$work/out"; then
        echo "FAIL: $name: the check did not say \"$says\""
        cat "$work/out"
        failed=1
    else
        echo "found: $name"
    fi
}
planted "a rule including a window" "include against the order: src/core/base/random.h" \
    sed -i '1a #include "ui/windows/boardwindow.h"' core/base/random.h
planted "two files including each other" "loop:" bash -c '
    printf "#include \"ui/design/b.h\"\n" >ui/design/a.h
    printf "#include \"ui/design/a.h\"\n" >ui/design/b.h'
planted "a folder outside the wings" "in no wing" bash -c 'mkdir ui/misc && touch ui/misc/x.h'
exit "$failed"
