#!/usr/bin/env bash
# Runs a test program on the xcb platform against a private X server of its own, for what
# only a real window system shows (window titles, the clipboard); stops only that server.
set -euo pipefail
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r display <"$fifo"
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
