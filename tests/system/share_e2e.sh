#!/usr/bin/env bash
# The results folder on a school's share, as a lab runs it: an sshfs mount of a private sshd
# (tests/system/share.sh), the program run by class_child on the offscreen platform.
#  1. Twenty machines at once (twenty processes, each with a host name of its own), each a
#     child of 3A answering: the teacher's view reads back from the share what was answered.
#  2. A child of 3B answering while the share hangs, then is taken away, then comes back:
#     every answer is on the share at the end.
#  3. A child of 3C whose program is killed with SIGKILL: at most the last 20 answers are
#     missing, and the one file on the share is a whole session file.
#  4. The teacher's plan for 3D, written in the teacher's view into the classes folder on the
#     share; then Luca of 3D, who missed 17 and 71 yesterday at another machine, at a machine
#     of their own: the menu offers the planned boards only, the find board keeps the planned
#     maximum, and review asks 17 and 71 again within the first 30 tasks.
#  5. The teacher's view of 3A while the share hangs: its window keeps answering a click
#     every 20 ms (fifty of them), and SIGTERM ends it within 10 s.
# Only the test's own servers and processes are stopped, by their process ids; a waiting
# step fails after 60 s (a hang), never because the machine is slow otherwise.
# Usage: tests/system/share_e2e.sh BUILD/tests/class_child
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
(($# == 1)) || { echo "usage: $0 class_child" >&2; exit 2; }
child_program="$(realpath "$1")"
# shellcheck source=share.sh
. "$here/share.sh"

tmp="$(mktemp -d -t share_e2e.XXXXXX)"
players=()
cleanup() {
    local pid
    for pid in "${players[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    share_stop
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# What the share has not taken at exit waits in the machine's state folder: the test's own.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

share_start "$tmp"
mkdir "$SHARE/risultati"
touch "$SHARE/risultati/.quadena-risultati" # the school's marker, as the README has it
results="$SHARE/risultati"
mkdir "$tmp/classi"
names=(Alba Bruno Carla Davide Elena Filippo Giada Hamza Irene Jacopo
       Kevin Lucia Matteo Nadia Omar Paola Quirino Rita Samuele Tommaso)
printf '%s\n' "${names[@]}" >"$tmp/classi/3A.txt"
echo Dario >"$tmp/classi/3B.txt"
echo Elsa >"$tmp/classi/3C.txt"

# play OUTPUT HOST CLASS CHILD N [options]: class_child at a machine named HOST, with a state
# folder of its own and the class lists of $classes, its process id added to players.
play() {
    local output=$1 host=$2
    shift 2
    XDG_STATE_HOME="$tmp/state/$host" unshare --uts sh -c 'hostname "$1" && shift && exec "$@"' \
        sh "$host" "$child_program" play "${classes:-$tmp/classi}" "$results" "$@" >"$output" 2>"$output.err" &
    players+=($!)
}

# until_answered OUTPUT PID K: waits until the program has judged K answers.
until_answered() {
    local waited=0
    until grep -qs "^answer $3 " "$1"; do
        kill -0 "$2" 2>/dev/null || fail "the program ended before answer $3: $(tail -n 3 "$1.err")"
        ((waited++ < 600)) || fail "no answer $3 after 60 s"
        sleep 0.1
    done
}

# A save the program had handed over when it ended goes on in its own helper process.
until_saved() {
    local waited=0
    while pgrep -f -- "quadena-salva $results" >/dev/null; do
        ((waited++ < 600)) || fail "a save still running after 60 s"
        sleep 0.1
    done
}
# counted CLASS: the class as the teacher's view reads it.
counted() { until_saved && "$child_program" count "$results" "$1" 2>/dev/null; }
answered() { grep -c "^answer .* $2\$" "$1" || true; }

echo "== twenty machines at once"
for i in "${!names[@]}"; do
    play "$tmp/3A-$i.out" "lab-$((i + 1))" 3A "${names[i]}" $((30 + 3 * i))
done
for pid in "${players[@]}"; do
    wait "$pid" || fail "a machine of 3A failed: $(cat "$tmp"/3A-*.out.err | tail -n 5)"
done
players=()
# What the share had not taken in the exit's last second waited on its machine (a loaded
# machine, twenty programs ending at once): each such machine's next start saves it.
again=0
for i in "${!names[@]}"; do
    if [[ -n "$(find "$tmp/state/lab-$((i + 1))" -name '*.csv' 2>/dev/null)" ]]; then
        play "$tmp/3A-again-$i.out" "lab-$((i + 1))" 3A "${names[i]}" 0
        again=$((again + 1))
    fi
done
for pid in "${players[@]}"; do
    wait "$pid" || fail "a machine of 3A failed at its next start"
done
players=()
[[ -z "$(find "$tmp/state" -name '*.csv' 2>/dev/null)" ]] || fail "3A: sessions still wait on the machines"
((again == 0)) || echo "$again machines saved at their next start what had waited on them"
right=0 wrong=0
for i in "${!names[@]}"; do
    right=$((right + $(answered "$tmp/3A-$i.out" right)))
    wrong=$((wrong + $(answered "$tmp/3A-$i.out" wrong)))
done
expected="sessions 20 right $right wrong $wrong ignored 0"
got="$(counted 3A)"
[[ $got == "$expected" ]] || fail "3A: read back \"$got\", answered \"$expected\""
hosts="$(ls "$results"/3A/*/ | grep -o 'lab-[0-9]*' | sort -u | wc -l)"
((hosts == 20)) || fail "3A: files of $hosts machines, not 20"
echo "$got"

echo "== the share hung, then taken away, then back, mid-session"
play "$tmp/3B.out" lab-21 3B Dario 90 --slow 40 --stay
pid=${players[-1]}
until_answered "$tmp/3B.out" "$pid" 25
share_hang
until_answered "$tmp/3B.out" "$pid" 50
share_unmount
until_answered "$tmp/3B.out" "$pid" 65
share_resume
share_mount
until_answered "$tmp/3B.out" "$pid" 90
kill -TERM "$pid"
wait "$pid" || fail "3B: the program ended with status $?"
players=()
expected="sessions 1 right $(answered "$tmp/3B.out" right) wrong $(answered "$tmp/3B.out" wrong) ignored 0"
got="$(counted 3B)"
[[ $got == "$expected" ]] || fail "3B: read back \"$got\", answered \"$expected\""
echo "$got"

echo "== killed with SIGKILL mid-session"
play "$tmp/3C.out" lab-22 3C Elsa 200 --slow 20 --stay
pid=${players[-1]}
until_answered "$tmp/3C.out" "$pid" 47
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
players=()
given="$(grep -c '^answer ' "$tmp/3C.out")"
got="$(counted 3C)"
read -r _ sessions _ r _ w _ ignored <<<"$got"
files="$(find "$results/3C" -type f | wc -l)"
((files == 1 && sessions == 1 && ignored == 0)) || fail "3C: not one whole session file: $got"
((r + w <= given + 1 && r + w >= given - 20)) || fail "3C: $((r + w)) answers kept of $given"
echo "$got, of $given answered"

echo "== the teacher's plan, then a child at another machine"
mkdir "$SHARE/classi"
echo Luca >"$SHARE/classi/3D.txt"
mkdir -p "$results/3D/Luca"
yesterday="$(date -d '1 day ago' +%Y-%m-%dT10:00:00%:z)"
printf '%s\n' 'quadena-sessione;2' 'classe;3D' 'nome;Luca' 'macchina;lab-30' "inizio;$yesterday" \
    'esercizio;numero;esatte;errate;ora' "trova-0-99;17;0;1;$yesterday" \
    "trova-0-99;71;0;1;$yesterday" >"$results/3D/Luca/$(date -d '1 day ago' +%Y%m%d)T090000Z-lab-30-1-00000001.csv"
"$child_program" plan "$SHARE/classi" "$results" 3D 80 >"$tmp/plan.out" 2>"$tmp/plan.out.err" ||
    fail "the plan was not written: $(cat "$tmp/plan.out") $(tail -n 3 "$tmp/plan.out.err")"
grep -qx 'max=80' "$SHARE/classi/3D.conf" && grep -qx 'review=true' "$SHARE/classi/3D.conf" ||
    fail "the plan file: $(cat "$SHARE/classi/3D.conf")"
classes="$SHARE/classi" play "$tmp/3D.out" lab-31 3D Luca 30 --find
wait "${players[-1]}" || fail "3D: the program failed: $(tail -n 3 "$tmp/3D.out.err")"
players=()
offered="$(sed -n 's/^offered //p' "$tmp/3D.out" | tr ' ' '\n' | sort | xargs)"
[[ $offered == "Command14 Command7" ]] || fail "3D: the menu offered \"$offered\""
grep -qx 'maximum 80' "$tmp/3D.out" || fail "3D: the board's $(grep '^maximum' "$tmp/3D.out")"
asked="$(sed -n 's/^answer [0-9]* \([0-9]*\) .*/\1/p' "$tmp/3D.out" | xargs)"
for missed in 17 71; do
    [[ " $asked " == *" $missed "* ]] || fail "3D: $missed not asked again in 30 tasks: $asked"
done
echo "offered $offered, maximum 80; asked $asked"

echo "== the teacher's view with the share hung"
"$child_program" teacher "$tmp/classi" "$results" 3A >"$tmp/view.out" 2>"$tmp/view.out.err" &
pid=$!
players=("$pid")
waited=0
until grep -q '^shown 1 ' "$tmp/view.out"; do
    kill -0 "$pid" 2>/dev/null || fail "the view ended before it showed 3A: $(tail -n 3 "$tmp/view.out.err")"
    ((waited++ < 600)) || fail "the view did not show 3A after 60 s"
    sleep 0.1
done
share_hang
# Every click asks for a reading, and the window answers the next one whatever the share does.
clicks="$(grep -c '^answered ' "$tmp/view.out")"
waited=0
until grep -q "^answered $((clicks + 50))\$" "$tmp/view.out"; do
    ((waited++ < 100)) || fail "the view stopped answering with the share hung"
    sleep 0.1
done
kill -TERM "$pid"
# Ended: the process gone, or its main thread; a reader the share holds in the kernel keeps
# the rest until the share answers, whatever the program does.
waited=0
while kill -0 "$pid" 2>/dev/null && [[ $(ps -o stat= -p "$pid") != Z* ]]; do
    ((waited++ < 100)) || fail "the view did not end within 10 s of SIGTERM with the share hung"
    sleep 0.1
done
share_resume
wait "$pid" || fail "the view ended with status $?"
players=()
echo "answered $(grep -c '^answered ' "$tmp/view.out") clicks, ended on SIGTERM"
echo "PASS"
