#!/usr/bin/env bash
# The Debian package installed as a school installs it, on a release of its own: a fresh root
# of RELEASE from this machine's package archive, holding nothing but apt and an X server, gets
# the package with apt-get --no-install-recommends, so that only what it depends on comes
# along. The installed program is then started from /usr/bin on a private X server inside the
# root: it must show its start window, write no warning, and have loaded the SVG image and icon
# plugins that draw its pictures and icons, from packages it depends on. The package is never
# installed on this machine. Needs root (through sudo otherwise).
#   tests/system/package_install.sh RELEASE PACKAGE.deb       e.g. trixie quadena_1.0+deb13_amd64.deb
#   tests/system/package_install.sh --prepare DIR RELEASE     only makes the root in DIR, and leaves it
#   tests/system/package_install.sh --prepared DIR RELEASE PACKAGE.deb   installs in that root,
#                                                             then removes it
# With SCREENSHOT=FILE.png in the environment, the screen with the board is saved there.
set -euo pipefail
# Client areas at 15 twips a pixel: the start window (8760 x 6615 twips), the main menu
# (9600 x 7200).
start_size=584x441
menu_size=640x480
# The main menu's Tab stops before "trovare i numeri" above 99, the board whose scroll bar
# arrows are SVG images.
tabs_to_find_above=8

# The part that runs inside the root: starts the installed program on a private X server and
# walks with the keyboard from the start window through the main menu to the board that finds
# numbers above 99. The start window's picture and the window icon are drawn by the SVG icon
# engine, the scroll bar's arrows by the SVG image plugin: both must be loaded.
if [[ "${1:-}" == "--run-installed" ]]; then
    mkdir -m 700 /tmp/home /tmp/run
    export HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/run XDG_CONFIG_HOME=/tmp/home/.config
    fifo=/tmp/displayfd
    mkfifo "$fifo"
    mkdir /tmp/screen # the screen's frame buffer, as an XWD file
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp -fbdir /tmp/screen 4>"$fifo" \
        >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" ${pid:-} 2>/dev/null; wait 2>/dev/null || true' EXIT
    read -r display <"$fifo"
    export DISPLAY=":$display"
    /usr/bin/quadena 2>/tmp/stderr &
    pid=$!
    failed=0
    fail() { echo "FAIL: $*"; failed=1; }
    # Waits for the program's window of SIZE (any other than SIZE with "!") and prints its line.
    window() {
        local line
        for _ in $(seq 200); do
            kill -0 "$pid" 2>/dev/null || break
            line="$(xwininfo -root -tree | grep -E '\("quadena" "[^"]*"\) +[0-9]+x[0-9]+' || true)"
            if [[ "$1" == !* ]]; then
                line="$(grep -v " ${1#!}+" <<<"$line" || true)"
            else
                line="$(grep " $1+" <<<"$line" || true)"
            fi
            [[ -n "$line" ]] && { sed 's/^ *//' <<<"$line" | head -n 1; return 0; }
            sleep 0.1
        done
        return 1
    }
    # Gives the window of LINE the keyboard focus, then types KEYS.
    type_into() {
        xdotool windowfocus --sync "${1%% *}" && sleep 0.2
        shift
        xdotool key --delay 50 "$@"
    }
    loaded() { grep -o "/[^ ]*/qt6/plugins/$1\$" "/proc/$pid/maps" | head -n 1; }

    start="$(window "$start_size")" || fail "no start window of $start_size"
    echo "start window: $start"
    exe="$(readlink "/proc/$pid/exe")"
    [[ "$exe" == /usr/libexec/quadena/quadena ]] || fail "the program is $exe"
    if [[ -n "$start" ]]; then
        type_into "$start" Return
        menu="$(window "$menu_size")" || fail "no main menu of $menu_size after Enter on Avvio"
    fi
    if [[ -n "${menu:-}" ]]; then
        type_into "$menu" $(printf 'Tab %.0s' $(seq "$tabs_to_find_above")) Return
        board="$(window "!$menu_size")" || fail "no board after Enter on the main menu"
        echo "board window: $board"
        for _ in $(seq 50); do
            [[ -n "$(loaded imageformats/libqsvg.so)" ]] && break
            sleep 0.1
        done
    fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.5 # the board painted
    cp /tmp/screen/Xvfb_screen0 /root/screen.xwd

    depends="$(dpkg-query -W -f '${Depends}' quadena | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')"
    for plugin in iconengines/libqsvgicon.so imageformats/libqsvg.so; do
        path="$(loaded "$plugin" || true)"
        [[ -n "$path" ]] || { fail "$plugin not loaded: pictures not drawn"; continue; }
        owner="$(dpkg -S "$path" | sed 's/:.*//')"
        echo "loaded: $path from $owner $(dpkg-query -W -f '${Version}' "$owner")"
        grep -qx "$owner" <<<"$depends" || fail "quadena does not depend on $owner"
    done
    if [[ -s /tmp/stderr ]]; then
        sed 's/^/    /' /tmp/stderr
        fail "the program wrote warnings"
    fi
    exit "$failed"
fi

root="$(cd "$(dirname "$0")/../.." && pwd)"
usage() {
    echo "usage: $0 [--prepared DIR] RELEASE PACKAGE.deb | --prepare DIR RELEASE" >&2
    exit 2
}
mode="" work=""
if [[ "${1:-}" == --prepare || "${1:-}" == --prepared ]]; then
    (($# >= 2)) && [[ -d "$2" ]] || usage
    mode="$1" work="$(cd "$2" && pwd)"
    shift 2
fi
if [[ "$mode" == --prepare ]]; then (($# == 1)) || usage; else (($# == 2)) || usage; fi
release="$1"
if [[ "$mode" != --prepare ]]; then
    deb="$(realpath "$2")"
    [[ -f "$deb" ]] || { echo "no package $2" >&2; exit 2; }
fi
if [[ $(id -u) -ne 0 ]]; then
    exec sudo "$0" ${mode:+"$mode" "$work"} "$@"
fi
command -v mmdebstrap >/dev/null || "$root/scripts/setup.sh" --tests --no-build
# shellcheck source=../../scripts/debian-root.sh
. "$root/scripts/debian-root.sh"

[[ -n "$work" ]] || work="$(mktemp -d "/var/tmp/quadena-$release.XXXXXX")"
if [[ "$mode" == --prepare ]]; then
    trap 'debian_root_unmount "$work"' EXIT
else
    trap 'debian_root_remove "$work"' EXIT
fi
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

if [[ "$mode" != --prepared ]]; then
    start=$SECONDS
    debian_root_make "$work" "$release" xvfb x11-utils xdotool
    echo "root of $release with an X server made: $((SECONDS - start)) s"
fi
[[ "$mode" != --prepare ]] || exit 0
debian_root_mount "$work"
cp "$deb" "$0" "$work/root/root/"

start=$SECONDS
debian_root_run "$work" apt-get install -y --no-install-recommends "/root/${deb##*/}" \
    >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    echo "FAIL: the package does not install on $release"
    exit 1
}
added="$(sed -n 's/.* \([0-9]*\) newly installed.*/\1/p' "$work/install.log")"
echo "installed with $((added - 1)) packages it brings: $((SECONDS - start)) s"
debian_root_run "$work" dpkg-query -W -f '${db:Status-Abbrev}${Package} ${Version}\n' \
    libqt6svg6 qt6-svg-plugins 2>/dev/null | sed -n 's/^ii */  /p' || true

debian_root_run "$work" bash "/root/${0##*/}" --run-installed || {
    echo "FAIL: the installed program on $release"
    exit 1
}
if [[ -n "${SCREENSHOT:-}" ]]; then
    xwdtopnm "$work/root/root/screen.xwd" 2>/dev/null | pnmtopng >"$SCREENSHOT"
    echo "the screen with the board: $SCREENSHOT"
fi
echo "installed package on $release passed"
