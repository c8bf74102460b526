#!/usr/bin/env bash
# Makes the five feedback sounds in assets/suoni with sox: four short cheerful jingles for a
# right answer and a falling "wah-wah" for a wrong one. 16-bit PCM, mono, 22050 Hz.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/assets/suoni"
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# note NAME SECONDS FREQUENCY [WAVE]: one note with a soft start and end.
note() {
    sox -n -r 22050 -b 16 -c 1 "$tmp/$1.wav" synth "$2" "${4:-triangle}" "$3" \
        fade q 0.01 "$2" 0.04 vol 0.6
}
# jingle FILE NOTE...: the notes one after the other.
jingle() {
    local file=$1; shift
    sox "${@/#/$tmp/}" "$out/$file"
}

note c5 0.11 523.25; note e5 0.11 659.25; note g5 0.11 783.99; note c6 0.26 1046.5
jingle si1.wav c5.wav e5.wav g5.wav c6.wav

note g4 0.09 392 sine; note g4b 0.09 392 sine; note d5 0.3 587.33 sine
jingle si2.wav g4.wav g4b.wav d5.wav

note a5 0.08 880 square; note cs6 0.08 1108.7 square; note e6 0.08 1318.5 square; note a6 0.22 1760 square
jingle si3.wav a5.wav cs6.wav e6.wav a6.wav

note f5 0.1 698.46; note a5b 0.1 880; note f5b 0.1 698.46; note c6b 0.28 1046.5
jingle si4.wav f5.wav a5b.wav f5b.wav c6b.wav

sox -n -r 22050 -b 16 -c 1 "$tmp/wah1.wav" synth 0.3 sawtooth 330-262 fade q 0.02 0.3 0.08 vol 0.45
sox -n -r 22050 -b 16 -c 1 "$tmp/wah2.wav" synth 0.55 sawtooth 247-165 fade q 0.02 0.55 0.2 vol 0.45
sox "$tmp/wah1.wav" "$tmp/wah2.wav" "$out/no.wav" lowpass 1800
