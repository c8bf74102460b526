#!/usr/bin/env bash
# The program ended by a signal while it is open, after it has played sounds: SIGTERM and
# SIGHUP (a logout, a shutdown) and SIGINT (Ctrl+C in a terminal), one run each. Each run must
# end with status 0, give no sanitizer report and leave its private temporary folder empty:
# the sound service's checked copies of the sounds go with it. No sound server is needed:
# the copies are written before the multimedia library looks for one.
#
# Usage: tests/system/signal_exit.sh path/to/tests/hostile_session [path/to/quadena]
# With the program too, it is also ended by each signal at its start window.
# Everything lives in one temporary folder; only the processes started here are stopped.
set -euo pipefail
player="$(realpath "$1")"
program="${2:+$(realpath "$2")}"
good="$(dirname "$player")/suoni"
[[ -f "$good/si1.wav" ]] || { echo "no sounds beside $player" >&2; exit 2; }
work="$(mktemp -d -t signal_exit.XXXXXX)"
player_pid=""
cleanup() {
    if [[ -n "$player_pid" ]]; then
        kill -KILL "$player_pid" 2>/dev/null || true
        wait "$player_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p -m 700 "$work/home" "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
export CUPS_SERVER="$work/no-cups.sock" PULSE_SERVER="unix:$work/no-pulse.sock"
export PULSE_CLIENTCONFIG="$work/client.conf" XDG_CONFIG_HOME="$work/home/.config"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
unset DBUS_SESSION_BUS_ADDRESS

failed=0
# run_case SIGNAL COPIES LABEL PROGRAM [ARGUMENT]... : one run ended by SIGSIGNAL once COPIES
# checked sounds (and, with --stay, the answers) are in its temporary folder.
run_case() {
    local signal="$1" want="$2" label="$3"
    shift 3
    export TMPDIR="$work/tmp-$label-$signal"
    mkdir -m 700 "$TMPDIR"
    local out="$work/$label-$signal.out" err="$work/$label-$signal.err" rc=0 why="" copies left
    # A background job of a script ignores SIGINT unless it is given its default back.
    (trap - INT; exec "$@") >"$out" 2>"$err" &
    player_pid=$!
    # Waits, within a generous bound, for the service's folder and the answers.
    for _ in $(seq 300); do
        if compgen -G "$TMPDIR/quadena-*" >/dev/null &&
            ((want == 0 || $(find "$TMPDIR" -name '*.wav' | wc -l) == want)) &&
            { ((want == 0)) || grep -q '^answered' "$out"; }; then
            break
        fi
        sleep 0.05
    done
    copies=$(find "$TMPDIR" -name '*.wav' | wc -l)
    compgen -G "$TMPDIR/quadena-*" >/dev/null || why="no temporary folder before the signal"
    kill -s "$signal" "$player_pid"
    for _ in $(seq 200); do
        kill -0 "$player_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$player_pid" 2>/dev/null && why="${why:+$why; }still running 10 s after SIG$signal"
    wait "$player_pid" || rc=$?
    player_pid=""
    ((copies == want)) || why="${why:+$why; }$copies copies of the sounds before the signal"
    ((rc == 0)) || why="${why:+$why; }exit status $rc"
    left=$(find "$TMPDIR" -mindepth 1 | head -n 3)
    [[ -z "$left" ]] || why="${why:+$why; }left behind: $left"
    local report='AddressSanitizer|LeakSanitizer|runtime error|destroying locked|QThread: Destroyed'
    if grep -qE "$report" "$err"; then
        why="${why:+$why; }$(grep -m1 -E "$report" "$err")"
    fi
    if [[ -z "$why" ]]; then
        echo "PASS: $label, SIG$signal: ${copies} copies, status 0, nothing left $(cat "$out")"
    else
        echo "FAIL: $label, SIG$signal: $why"
        sed 's/^/    /' "$err" | tail -n 20
        failed=$((failed + 1))
    fi
}

for signal in TERM HUP INT; do
    run_case "$signal" 5 session "$player" "$good" --stay
done
# The program itself, from its own main(), at its start window before any sound: the
# service's folder is there from the start.
if [[ -n "$program" ]]; then
    for signal in TERM HUP INT; do
        run_case "$signal" 0 program "$program"
    done
fi
exit $((failed > 0))
