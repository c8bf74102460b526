#!/usr/bin/env bash
# Runs a test program on the xcb platform against a private X server of its own, for what
# only a real window system shows (window titles, the clipboard); stops only that server.
# With --openbox first, a private openbox manages the windows (its configuration and cache
# in a temporary folder), stopped by its own process id too.
# Usage: tests/system/xvfb_test.sh [--openbox] program [arguments]
set -euo pipefail
wm=0
if [[ ${1-} == --openbox ]]; then
    wm=1
    shift
fi
work="$(mktemp -d -t xvfb_test.XXXXXX)"
xvfb=""
openbox=""
stop() {
    for pid in $openbox $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop EXIT
mkfifo "$work/display"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$work/display"
export DISPLAY=":$display"
if ((wm)); then
    mkdir -p "$work/config" "$work/cache" "$work/data"
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
        HOME="$work" setsid openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox=$!
    # The property read whole before it is matched: grep -q in a pipe could end xprop early,
    # which pipefail takes as a failure.
    managed() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
    # Up to 30 s: openbox starts slowly on a machine busy with builds.
    for _ in $(seq 300); do
        managed && break
        sleep 0.1
    done
    managed || {
        echo "openbox did not start" >&2
        exit 1
    }
fi
QT_QPA_PLATFORM=xcb "$@"
