#!/usr/bin/env bash
# The results folder on a school's share (a private sshd and sshfs, tests/system/share.sh):
# answer to repaint with the results on the share against no results folder in the same run,
# then with the share hung (its sshd stopped with SIGSTOP) every click's answer to repaint,
# and how long the program takes to end, from the moment it is asked to the moment its
# process is gone (goal: within 1 s). Given bench_teacher too: the teacher's view reading a
# class of 6 000 session files from the share, on a fresh mount (nothing in sshfs's caches)
# and again (goal: under 2 s, then under 300 ms), and its peak memory; then the same with
# 20 000 empty child folders beside the children (goal: the same time within 2x, memory under
# 150 MB), and one child's 200 sessions read as "Chi sei?" reads them (goal: under 300 ms).
# Prints figures only.
# Usage: bench/bench_share.sh BUILD/bench/bench_share [BUILD/bench/bench_teacher]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
(($# == 1 || $# == 2)) || { echo "usage: $0 bench_share [bench_teacher]" >&2; exit 2; }
bench="$(realpath "$1")"
# shellcheck source=../tests/system/share.sh
. "$root/tests/system/share.sh"
tmp="$(mktemp -d -t bench_share.XXXXXX)"
trap 'share_stop; rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
share_start "$tmp"
mkdir "$SHARE/risultati"
touch "$SHARE/risultati/.quadena-risultati" # the school's marker, as the README has it

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

(($# == 2)) || exit 0
teacher="$(realpath "$2")"
echo "== the teacher's view of a class on the share"
share_unmount
share_mount
mkdir "$SHARE/insegnante"
"$root/tests/system/xvfb_test.sh" "$teacher" "$SHARE/insegnante" | grep -E '^(made|class) '
share_unmount
share_mount
"$root/tests/system/xvfb_test.sh" "$teacher" "$SHARE/insegnante"
echo "== one child's sessions read at \"Chi sei?\" (goal: under 300 ms)"
share_unmount
share_mount
"$root/tests/system/xvfb_test.sh" "$teacher" "$SHARE/insegnante" --child
echo "== the same class beside 20 000 empty child folders"
# Made on the server's side in one process a batch, not through the share.
(cd "$SHARE_SERVED/insegnante/results/3A" &&
    for batch in 0 1 2 3 4 5 6 7 8 9; do mkdir "vuota-$batch"-{0000..1999}; done)
share_unmount
share_mount
"$root/tests/system/xvfb_test.sh" "$teacher" "$SHARE/insegnante" --padded
rm -rf "$SHARE_SERVED"/insegnante/results/3A/vuota-*
