#!/usr/bin/env bash
# Runs a test program with Qt's AT-SPI bridge switched on, as under a screen reader: a private
# session bus with its own accessibility bus launcher, and a private X server
# (xvfb_test.sh). Stops only the processes it started.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec dbus-run-session -- bash -c '
    set -euo pipefail
    here="$1"; shift
    /usr/libexec/at-spi-bus-launcher >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null; wait $launcher 2>/dev/null || true" EXIT
    for _ in $(seq 100); do
        if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
            break
        fi
        sleep 0.05
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$here/xvfb_test.sh" "$@"
' bash "$here" "$@"
