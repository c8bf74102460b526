#!/usr/bin/env bash
# Builds Debian 13's package (Qt 6.8) in a fresh root of Debian 13, made from this machine's own
# package archive, with the tests and benchmarks in the same build, and runs every test that
# ctest knows on it: scripts/setup.sh installs what the build and the tests need inside, the
# sources are mounted read-only, the build goes to a folder of the root, and the tests run
# with a private /tmp and /dev, their X servers and buses started inside, with the sound
# playback check and the soak benchmarks. Then it installs the package in a second fresh root
# (tests/system/package_install.sh). Prints the time of each step. The root, its mounts and every process inside are
# removed at the end, also on failure or interruption. Needs root (through sudo otherwise).
#   scripts/test-debian13.sh
#   scripts/test-debian13.sh --prepare DIR    only makes both roots in DIR, the first with what
#                                             the build and the tests need, and leaves them
#   scripts/test-debian13.sh --prepared DIR   the same as the first, in the roots made so (and
#                                             removes them), so that the download and unpacking
#                                             can go on while something else builds
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
release=trixie
mode="" given=""
case "${1:-}" in
--prepare | --prepared) (($# == 2)) && [[ -d "$2" ]] || { echo "usage: $0 [--prepare DIR | --prepared DIR]" >&2; exit 2; }
    mode="$1" given="$(cd "$2" && pwd)" ;;
"") ;;
*) echo "usage: $0 [--prepare DIR | --prepared DIR]" >&2; exit 2 ;;
esac
if [[ $(id -u) -ne 0 ]]; then
    exec sudo "$0" "$@"
fi
command -v mmdebstrap >/dev/null || "$root/scripts/setup.sh" --tests --no-build
# shellcheck source=debian-root.sh
. "$root/scripts/debian-root.sh"

# The build's root, and the root the package is installed in.
if [[ -n "$given" ]]; then
    work="$given/build" installs="$given/install"
    mkdir -p "$work" "$installs"
else
    work="$(mktemp -d /var/tmp/quadena-debian13.XXXXXX)" installs=""
fi
current="" # the step at work, whose log is shown when it fails
finish() {
    local rc=$?
    if [[ -n "$current" ]]; then
        if [[ "$current" == tests ]]; then cat "$work/step.log"; else tail -n 80 "$work/step.log"; fi
        echo "FAIL: $current on Debian 13"
    fi
    if [[ "$mode" == --prepare ]]; then
        debian_root_unmount "$work" || rc=1
    else
        debian_root_remove "$work" || rc=1
    fi
    exit "$rc"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

step() {
    local start=$SECONDS
    current="$1"
    shift
    "$@" >"$work/step.log" 2>&1
    echo "$current: $((SECONDS - start)) s"
    current=""
}

if [[ "$mode" != --prepared ]]; then
    step "root of $release made" debian_root_make "$work" "$release"
    debian_root_mount "$work" "$root"
    step "build and test dependencies installed" \
        debian_root_run "$work" /src/scripts/setup.sh --tests --no-build
fi
if [[ "$mode" == --prepare ]]; then
    current="root of $release to install the package in"
    "$root/tests/system/package_install.sh" --prepare "$installs" "$release"
    current=""
    exit 0
fi
[[ "$mode" != --prepared ]] || debian_root_mount "$work" "$root"
debian_root_run "$work" sh -c '. /etc/os-release; echo "$PRETTY_NAME:" \
    "Qt $(dpkg-query -W -f "\${Version}" qt6-base-dev), $(g++ --version | head -n 1)"'
# One build, with the package's flags: the package, and the tests that run on it.
step "package for Debian 13 built, with the tests" debian_root_run "$work" sh -c \
    'mkdir -p /build && /src/scripts/package.sh --into /build --with-tests'
build=/build/build-package
# The whole output of ctest is shown when a test fails, its summary otherwise.
step "tests" debian_root_run "$work" ctest --test-dir "$build" --output-on-failure
sed -n '/tests passed/,$p' "$work/step.log"
# Qt's faults that the sound service and the style work around, on this Qt: the playback check
# with its probe, and the soak with and without the steady style.
step "sound playback" debian_root_run "$work" /src/tests/system/sound_playback.sh \
    "$build/tests/play_sounds"
grep -E '^[A-Z]+: Qt ' "$work/step.log"
step "soak benchmarks" debian_root_run "$work" sh -c \
    "/src/tests/system/xvfb_test.sh $build/bench/bench_soak 300 100 &&
     /src/tests/system/xvfb_test.sh $build/bench/bench_soak 300 100 --plain-style"
grep growth "$work/step.log" | sed '1s/^/steady style: /; 2s/^/Fusion: /'
deb="$(ls "$work"/root/build/quadena_*.deb)"
echo "${deb##*/}: depends on $(dpkg-deb -f "$deb" Depends | grep -o 'libicu[0-9]*')"
current="package installed in a root of Debian 13"
if [[ -n "$installs" ]]; then
    "$root/tests/system/package_install.sh" --prepared "$installs" "$release" "$deb"
else
    "$root/tests/system/package_install.sh" "$release" "$deb"
fi
current=""
