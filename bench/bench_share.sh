#!/usr/bin/env bash
# The results folder on a school's share (a private sshd and sshfs, tests/system/share.sh):
# answer to repaint with the results on the share against no results folder in the same run,
# then with the share hung (its sshd stopped with SIGSTOP) every click's answer to repaint,
# and how long the program takes to end, from the moment it is asked to the moment its
# process is gone (goal: within 1 s). Prints figures only.
# Usage: bench/bench_share.sh BUILD/bench/bench_share
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
(($# == 1)) || { echo "usage: $0 bench_share" >&2; exit 2; }
bench="$(realpath "$1")"
# shellcheck source=../tests/system/share.sh
. "$root/tests/system/share.sh"
tmp="$(mktemp -d -t bench_share.XXXXXX)"
trap 'share_stop; rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
share_start "$tmp"
mkdir "$SHARE/risultati"

"$root/tests/system/xvfb_test.sh" "$bench" compare "$SHARE/risultati" 2>/dev/null
share_hang
# The wait returns once the process is gone, whatever thread or helper is still on the share.
"$root/tests/system/xvfb_test.sh" bash -c \
    '"$1" hung "$2" 2>/dev/null & pid=$!; wait "$pid"; echo "gone at epoch ms $(date +%s%3N)"' \
    sh "$bench" "$SHARE/risultati" >"$tmp/hung.out"
grep -v epoch "$tmp/hung.out"
asked="$(sed -n 's/^end asked at epoch ms //p' "$tmp/hung.out")"
gone="$(sed -n 's/^gone at epoch ms //p' "$tmp/hung.out")"
echo "end with the share hung: $((gone - asked)) ms from asked to the process gone"
share_resume
