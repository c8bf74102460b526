#!/usr/bin/env bash
# Real playback: starts a private PulseAudio server with a null sink, plays each of the five
# sounds through the program's own sound service, records the sink's monitor and checks that
# every recording holds sound, and probes Qt's fault that the service works around. Then, with no sound server at all, asks for many sounds and
# checks that the service neither blocks nor crashes. Only the processes started here are
# stopped at the end.
set -euo pipefail
player="$(realpath "$1")"
work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" PULSE_CLIENTCONFIG="$work/client.conf"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
unset PULSE_SERVER
keepalive=""

cleanup() {
    [[ -n "$keepalive" ]] && kill "$keepalive" 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

failed=0
pulseaudio -D --exit-idle-time=-1 --disallow-exit --log-target=file:"$work/pulse.log" 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl load-module module-null-sink sink_name=t >/dev/null
pactl set-default-sink t
pactl unload-module module-suspend-on-idle 2>/dev/null || true
pacat -p --latency-msec=20 --raw /dev/zero &
keepalive=$!
sleep 2

# record NAME DIGITS: plays the sounds named by the digits and checks the recording holds sound.
record() {
    local rec="$work/$1.wav" recorder peak
    parec -d t.monitor --latency-msec=20 --file-format=wav "$rec" &
    recorder=$!
    sleep 0.5
    timeout 60 "$player" "$2" >/dev/null 2>&1
    sleep 0.3
    kill "$recorder"; wait "$recorder" 2>/dev/null || true
    peak=$(sox "$rec" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
    if awk -v p="$peak" 'BEGIN { exit !(p > 0.05) }'; then
        echo "PASS: $1 heard (peak $peak)"
    else
        echo "FAIL: $1 silent (peak ${peak:-none})"
        failed=$((failed + 1))
    fi
}
names=(si1 si2 si3 si4 no)
for i in 0 1 2 3 4; do
    record "${names[$i]}.wav" "$i"
done
# Ten wrong answers in quick succession: the sad sound must still be heard.
record "no.wav asked for ten times in 1.5 s" 4444444444

# Qt's fault that the service works around, probed without the workaround: one effect
# restarted quickly, then once more; only that last play is recorded.
"$player" --one-effect "$(dirname "$player")/suoni/no.wav" >"$work/probe.out" 2>/dev/null &
probe=$!
for _ in $(seq 100); do grep -q final "$work/probe.out" && break; sleep 0.05; done
parec -d t.monitor --latency-msec=20 --file-format=wav "$work/probe.wav" &
recorder=$!
wait "$probe" || true
kill "$recorder"; wait "$recorder" 2>/dev/null || true
peak=$(sox "$work/probe.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
if awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }'; then state=gone; else state="still there"; fi
qt="$(awk '/final/ {print $2}' "$work/probe.out")"
# What each Qt minor version showed; a change means the workaround is to be reviewed.
declare -A seen=([6.4]="still there" [6.8]="gone")
line="Qt $qt: one effect restarted quickly stays silent: $state (peak ${peak:-none})"
if [[ -z "${seen[${qt%.*}]:-}" ]]; then
    echo "SKIP: $line; not yet probed on this Qt: record it here and review the workaround"
elif [[ "${seen[${qt%.*}]}" == "$state" ]]; then
    echo "PASS: $line, as seen before"
else
    echo "FAIL: $line, unlike before: review the workaround"
    failed=$((failed + 1))
fi

kill "$keepalive" 2>/dev/null || true
keepalive=""
pulseaudio --kill 2>/dev/null || true
sleep 0.5

# No server at all: the service must return at once and the program end normally.
if out=$(PULSE_SERVER=unix:"$work/none" timeout 60 "$player" --burst 2>&1); then
    echo "PASS: no sound server: $(grep -o '50 requests.*' <<<"$out")"
else
    echo "FAIL: no sound server: exit $?"
    failed=$((failed + 1))
fi
# A missing folder of sounds: silence, no crash.
if timeout 60 "$player" 0 "$work/nothing-here" >/dev/null 2>&1; then
    echo "PASS: missing folder of sounds"
else
    echo "FAIL: missing folder of sounds"
    failed=$((failed + 1))
fi

echo "$((9 - failed)) passed, $failed failed"
exit $((failed > 0))
