#!/usr/bin/env bash
# Start-up with and without the voice: the time from starting the program to its start window
# on the X server, and its resident memory 5 s after the start, three runs each, alternating.
# With the voice, the speech engine is made in the background once the start window has
# painted: the window should come as soon as without it, and the memory at 5 s holds the
# engine. The voice talks to a private speech-dispatcher (espeak-ng, its configuration, log
# and socket in the work folder; nothing is said, so it needs no sound server), stopped by its
# process id. Run on a private X server: tests/system/xvfb_test.sh bench/bench_startup.sh QUADENA
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d -t bench_startup.XXXXXX)"
pid="" speech=""
trap 'kill $pid $speech 2>/dev/null || true; wait $speech 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 700 "$work/speech"
printf '%s\n' 'LogLevel 1' "LogDir \"$work/speech\"" \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    'DefaultLanguage "it"' >"$work/speech/speechd.conf"
HOME="$work/speech" XDG_RUNTIME_DIR="$work/speech" PULSE_SERVER="unix:$work/no-pulse" \
    speech-dispatcher -s -t 0 -c unix_socket -S "$work/speech.sock" -C "$work/speech" \
    -P "$work/speech/pid" -L "$work/speech" >/dev/null 2>&1 &
speech=$!
for _ in $(seq 100); do [[ -S "$work/speech.sock" ]] && break; sleep 0.05; done
export SPEECHD_ADDRESS="unix_socket:$work/speech.sock"
for run in 1 2 3; do
    for option in "" --voice; do
        mkdir -m 700 "$work/$run$option"
        start=$(date +%s%3N)
        HOME="$work/$run$option" XDG_RUNTIME_DIR="$work/$run$option" \
            XDG_CONFIG_HOME="$work/$run$option" "$program" $option 2>/dev/null &
        pid=$!
        for _ in $(seq 500); do
            # Read whole before it is matched: grep -q could end xwininfo early.
            [[ $(xwininfo -root -tree) == *'("quadena" "quadena")  584x441'* ]] && break
            sleep 0.01
        done
        shown=$(($(date +%s%3N) - start))
        sleep "$(awk -v ms="$shown" 'BEGIN { print (ms < 5000 ? (5000 - ms) / 1000 : 0) }')"
        echo "start-up ${option:-without --voice}: start window after $shown ms," \
            "$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status") kB resident at 5 s"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        pid=""
    done
done
