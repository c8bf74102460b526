#!/usr/bin/env bash
# Start-up with and without the voice: the time from starting the program to its start window
# on the X server, and its resident memory 5 s after the start, three runs each, alternating.
# The voice's engine is made only at the first thing said, so the two should not differ.
# Run on a private X server: tests/system/xvfb_test.sh bench/bench_startup.sh QUADENA
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d -t bench_startup.XXXXXX)"
pid=""
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
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
