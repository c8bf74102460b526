#!/usr/bin/env bash
# The README's recipe for the accounts, with quadena-salva making the folders and files: two
# pupils' accounts (uids 61001 and 61002, group 61000) and a teacher's (uid 61003, group 61010,
# the teachers' group), run with setpriv as bare uids, no account made. The results folder is
# root's, group 61010, mode 3773, with the marker; the technician makes the class folder for
# the class's teacher and gives the child folders the pupils' machines made to the class
# folder's owner. The pupils save with umask 077. Then neither pupil reads, changes, renames or
# removes the other's file, each replaces their own, and the teacher reads them all and
# removes a child's folder. Needs root; without it, skipped (exit 77).
# Usage: tests/system/save_modes.sh BUILD/src/quadena-salva
set -euo pipefail
(($# == 1)) || { echo "usage: $0 quadena-salva" >&2; exit 2; }
if ((EUID != 0)) || ! command -v setpriv >/dev/null; then
    echo "skipped: needs root and setpriv"
    exit 77
fi
tmp="$(mktemp -d -t save_modes.XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
chmod 711 "$tmp"
install -D -m 755 "$1" "$tmp/bin/quadena-salva"
results="$tmp/risultati"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

declare -A uid=([pupil1]=61001 [pupil2]=61002 [teacher]=61003)
declare -A gid=([pupil1]=61000 [pupil2]=61000 [teacher]=61010)
# as WHO COMMAND...: runs COMMAND as that account's bare uid and group, with umask 077.
as() {
    local who=$1
    shift
    setpriv --reuid="${uid[$who]}" --regid="${gid[$who]}" --clear-groups -- \
        sh -c 'umask 077; exec "$@"' sh "$@"
}
# The first N bytes of one endless session: a longer one continues a shorter one.
session() { head -c "$1" < <(yes "Aggiungere solo unità;$2;1;0;2026-12-09T10:15:07+01:00"); }
# save WHO FILE BYTES: WHO's machine saves BYTES as the session file FILE.
save() {
    # shellcheck disable=SC2094 # the size of the file read, before it is read
    as "$1" "$tmp/bin/quadena-salva" "$results" "$2" "$(stat -c %s "$3")" <"$3" 2>>"$tmp/err"
}

# The technician's part.
install -d -o 0 -g 61010 -m 3773 "$results"
touch "$results/.quadena-risultati"
install -d -o 61003 -g 61010 -m 3773 "$results/3A"
# Luca at pupil1's machine, Eva at pupil2's, then Luca at pupil2's.
session 5000 a >"$tmp/a" && session 9000 a >"$tmp/a2"
session 6000 b >"$tmp/b" && session 7000 c >"$tmp/c"
save pupil1 3A/Luca/a.csv "$tmp/a" || fail "pupil1 could not save Luca's file"
save pupil2 3A/Eva/b.csv "$tmp/b" || fail "pupil2 could not save Eva's file"
save pupil2 3A/Luca/c.csv "$tmp/c" || fail "pupil2 could not save Luca's file"
# What the helper made, whatever the umask: the folders sticky, the group's setgid kept.
for made in "3A/Luca 3773 61001 61010" "3A/Eva 3773 61002 61010" \
    "3A/Luca/a.csv 640 61001 61010" "3A/Luca/c.csv 640 61002 61010"; do
    read -r path mode owner group <<<"$made"
    got="$(stat -c '%a %u %g' "$results/$path" || true)"
    [[ $got == "$mode $owner $group" ]] || fail "$path is $got, not $mode $owner $group"
done
# The technician's hourly step: each child folder to its class folder's owner.
find "$results" -mindepth 2 -maxdepth 2 -type d -exec sh -c 'chown --reference="${1%/*}" "$1"' sh {} \;
[[ $(stat -c %a "$results/3A/Luca") == 3773 ]] || fail "the owner's change dropped a mode bit"

# who | action | path | outcome
rows='
pupil2  | remove    | 3A/Luca/a.csv      | refused
pupil2  | append    | 3A/Luca/a.csv      | refused
pupil2  | rename    | 3A/Luca/a.csv      | refused
pupil2  | read      | 3A/Luca/a.csv      | refused
pupil2  | save      | 3A/Luca/a.csv      | refused
pupil1  | remove    | 3A/Eva/b.csv       | refused
pupil1  | append    | 3A/Eva/b.csv       | refused
pupil1  | read      | 3A/Eva/b.csv       | refused
pupil1  | remove    | 3A/Luca/c.csv      | refused
pupil1  | rename    | 3A/Eva             | refused
pupil1  | remove    | .quadena-risultati | refused
pupil1  | save      | 3A/Luca/a.csv      | allowed
teacher | read      | 3A/Luca/a.csv      | allowed
teacher | read      | 3A/Luca/c.csv      | allowed
teacher | read      | 3A/Eva/b.csv       | allowed
teacher | removeall | 3A/Luca            | allowed
'
tree() { find "$results" -printf '%P %m %u %g %s\n' | sort && find "$results" -type f -exec md5sum {} + | sort; }
while IFS='|' read -r who action path outcome; do
    read -r who action path outcome <<<"$who $action $path $outcome"
    [[ -n $who ]] || continue
    row="$who $action $path"
    before="$(tree)"
    rc=0
    # shellcheck disable=SC2016 # $1 expanded by the account's shell
    case $action in
        remove) as "$who" rm -f "$results/$path" 2>/dev/null || rc=$? ;;
        removeall) as "$who" rm -r "$results/$path" 2>/dev/null || rc=$? ;;
        append) as "$who" sh -c 'echo x >>"$1"' sh "$results/$path" 2>/dev/null || rc=$? ;;
        rename) as "$who" mv "$results/$path" "$results/$path.x" 2>/dev/null || rc=$? ;;
        read) as "$who" cat "$results/$path" >"$tmp/read" 2>/dev/null || rc=$? ;;
        save) save "$who" "$path" "$tmp/a2" || rc=$? ;;
    esac
    if [[ $outcome == refused ]]; then
        ((rc != 0)) || fail "$row: allowed"
        [[ $(tree) == "$before" ]] || fail "$row: the results changed"
    else
        ((rc == 0)) || fail "$row: refused"
        case $action in
            read) cmp -s "$tmp/read" "$results/$path" || fail "$row: other bytes" ;;
            save) cmp -s "$tmp/a2" "$results/$path" || fail "$row: not saved" ;;
            removeall) [[ ! -e $results/$path ]] || fail "$row: still there" ;;
        esac
    fi
    echo "row: $row: $outcome"
done <<<"$rows"

((failures == 0)) || { cat "$tmp/err" >&2; echo "$failures failures" >&2; exit 1; }
echo PASS
