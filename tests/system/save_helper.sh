#!/usr/bin/env bash
# quadena-salva against what a school's share does to a save, one row a case: the input cut
# short or longer than said, over the largest file, more than a pipe holds, a link or a FIFO
# where a folder or the file should be, another session's file of the same name, no marker,
# an empty mount point, fsync or close failing (libfiu's fiu-run) and a full share (a 1 MiB
# tmpfs served by the private sshd of share.sh). Each save either lands whole (the file is
# the new bytes) or says "non salvato" in one line and exits 1 with the last good file as it
# was; no temporary file is left and nothing is written through a link.
# The full share needs root, sshd and sshfs; without them that row is skipped, said so.
# Usage: tests/system/save_helper.sh BUILD/src/quadena-salva
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
(($# == 1)) || { echo "usage: $0 quadena-salva" >&2; exit 2; }
helper="$(realpath "$1")"
# shellcheck source=share.sh
. "$here/share.sh"
tmp="$(mktemp -d -t save_helper.XXXXXX)"
trap 'share_stop; rm -rf "$tmp"' EXIT
failures=0

# The first N bytes of one endless session: a longer one continues a shorter one.
session() { head -c "$1" < <(yes 'Aggiungere solo unità;17;1;0;2026-12-09T10:15:07+01:00'); }
session 16233 >"$tmp/v1"
session 37796 >"$tmp/v2"
session 200000 >"$tmp/big"
session $((1048576 + 1)) >"$tmp/huge"
sed '1s/^/altra sessione /' "$tmp/v1" >"$tmp/other"

# save RESULTS INPUT SIZE [COMMAND...]: the helper saves 3A/Luca/s.csv, its input through a
# pipe, run under COMMAND; sets rc. A hang is 10 s.
save() {
    local results=$1 input=$2 size=$3
    shift 3
    rc=0
    # shellcheck disable=SC2002 # through a pipe, as the program hands it over
    cat "$input" | timeout 10 "$@" "$helper" "$results" 3A/Luca/s.csv "$size" 2>"$tmp/err" || rc=$?
}

marked() { mkdir -p "$1" && touch "$1/.quadena-risultati"; }

# Each setup makes the row's folder $dir: sets results, and kept, the file that must stay as
# it is, with the bytes of $keptBytes.
setup_good() {
    results="$dir/risultati" kept="$dir/risultati/3A/Luca/s.csv" keptBytes="$tmp/v1"
    marked "$results"
    save "$results" "$tmp/v1" "$(stat -c %s "$tmp/v1")"
    ((rc == 0)) || { echo "the first save failed: $(cat "$tmp/err")" >&2; return 1; }
}
elsewhere() {
    mkdir -p "$dir/altrove/Luca"
    cp "$tmp/v1" "$dir/altrove/Luca/s.csv"
    kept="$dir/altrove/Luca/s.csv" keptBytes="$tmp/v1"
}
setup_linkclass() {
    results="$dir/risultati" && marked "$results" && elsewhere
    ln -s ../altrove "$results/3A"
}
setup_linkchild() {
    results="$dir/risultati" && marked "$results" && elsewhere
    mkdir "$results/3A" && ln -s ../../altrove/Luca "$results/3A/Luca"
}
setup_linkfile() {
    results="$dir/risultati" && marked "$results" && elsewhere
    mkdir -p "$results/3A/Luca" && ln -s ../../../altrove/Luca/s.csv "$results/3A/Luca/s.csv"
}
setup_fifo() {
    results="$dir/risultati" kept="" && marked "$results"
    mkdir -p "$results/3A/Luca" && mkfifo "$results/3A/Luca/s.csv"
}
setup_other() {
    results="$dir/risultati" kept="$dir/risultati/3A/Luca/s.csv" keptBytes="$tmp/other"
    marked "$results" && mkdir -p "$results/3A/Luca" && cp "$tmp/other" "$kept"
}
setup_nomarker() { setup_good && rm "$results/.quadena-risultati"; }
setup_emptymount() { results="$dir/mnt" kept="" && mkdir -p "$results"; }
setup_belowmount() { results="$dir/mnt/quadena/risultati" kept="" && mkdir -p "$dir/mnt"; }
setup_fullshare() {
    SHARE_SIZE=1m share_start "$dir"
    results="$SHARE/risultati" kept="$SHARE/risultati/3A/Luca/s.csv" keptBytes="$tmp/v1"
    marked "$results"
    save "$results" "$tmp/v1" "$(stat -c %s "$tmp/v1")"
    ((rc == 0)) || { echo "the first save failed: $(cat "$tmp/err")" >&2; return 1; }
    dd if=/dev/zero of="$SHARE/riempitivo" bs=64k 2>/dev/null || true
}

# row | setup | input | size: = its own, +N or -N bytes off | run under | outcome
rows='
input cut short                      | good       | v2   | +100 | -     | kept
input longer than said               | good       | v2   | -100 | -     | kept
over the largest file                | good       | huge | =    | -     | kept
more than 64 KiB through a pipe      | good       | big  | =    | -     | saved
the class folder a link              | linkclass  | v2   | =    | -     | kept
the child folder a link              | linkchild  | v2   | =    | -     | kept
the file a link                      | linkfile   | v2   | =    | -     | kept
the file a FIFO                      | fifo       | v2   | =    | -     | kept
another session'"'"'s file of that name | other      | v2   | =    | -     | kept
no marker                            | nomarker   | v2   | =    | -     | kept
an empty mount point                 | emptymount | v2   | =    | -     | nothing
results below an empty mount point   | belowmount | v2   | =    | -     | nothing
fsync failing                        | good       | v2   | =    | fsync | kept
close failing                        | good       | v2   | =    | close | kept
a full share                         | fullshare  | v2   | =    | -     | kept
'

fail() {
    echo "FAIL: $row: $*" >&2
    failures=$((failures + 1))
}
n=0
while IFS='|' read -r row setup input size under outcome; do
    row="${row%"${row##*[! ]}"}"
    [[ -n $row ]] || continue
    read -r setup input size under outcome <<<"$setup $input $size $under $outcome"
    if [[ $setup == fullshare ]] && { ((EUID != 0)) || ! command -v sshfs >/dev/null; }; then
        echo "skipped: $row (needs root, sshd and sshfs)"
        continue
    fi
    n=$((n + 1)) dir="$tmp/$n"
    mkdir -p "$dir"
    "setup_$setup" || { fail "its setup failed"; continue; }
    bytes="$tmp/$input"
    length="$(stat -c %s "$bytes")"
    case $size in
        =) size=$length ;;
        +*) size=$((length + ${size#+})) ;;
        -*) size=$((length - ${size#-})) ;;
    esac
    before="$(find "$dir" -path "$dir/share" -prune -o -print 2>/dev/null | sort)"
    case $under in
        -) save "$results" "$bytes" "$size" ;;
        fsync) save "$results" "$bytes" "$size" fiu-run -x -c 'enable name=posix/io/sync/fsync' ;;
        close) save "$results" "$bytes" "$size" fiu-run -x -c 'enable name=posix/io/oc/close' ;;
    esac
    child="$results/3A/Luca"
    case $outcome in
        saved)
            ((rc == 0)) || fail "exit $rc: $(cat "$tmp/err")"
            cmp -s "$bytes" "$child/s.csv" || fail "the file is not the new bytes"
            ;;
        kept | nothing)
            ((rc == 1)) || fail "exit $rc, not 1"
            [[ $(wc -l <"$tmp/err") == 1 && $(head -c 13 "$tmp/err") == "non salvato: " ]] ||
                fail "standard error is not one line \"non salvato: ...\": $(cat "$tmp/err")"
            if [[ -n $kept ]]; then
                cmp -s "$keptBytes" "$kept" || fail "the last good file changed"
            fi
            [[ $setup != fifo ]] || [[ -p $child/s.csv ]] || fail "the FIFO was replaced"
            after="$(find "$dir" -path "$dir/share" -prune -o -print 2>/dev/null | sort)"
            [[ $before == "$after" ]] || fail "files came or went: $(diff <(echo "$before") <(echo "$after") | tail -n +2)"
            ;;
    esac
    if [[ -d $child && ! -L $child ]] && compgen -G "$child/.*.tmp-*" >/dev/null; then
        fail "a temporary file was left"
    fi
    echo "row: $row: exit $rc $(head -c 120 "$tmp/err")"
    [[ $setup != fullshare ]] || share_stop
done <<<"$rows"

((failures == 0)) || { echo "$failures failures" >&2; exit 1; }
echo "PASS: $n rows"
