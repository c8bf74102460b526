#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the include graph of the sources (no
# wing includes a higher one, no loop between files) and their layout, the unit and widget
# tests, real sound playback through a PulseAudio server, real printing through a private CUPS
# server, the program on a hostile desktop, the program ended by signals, the save helper and a
# school's share, the figures of the benchmarks in bench/ (wrap, practice, soak, run record,
# voice, start-up, teacher's view), the Debian package checked, the tests and the hostile
# desktop again in a build with AddressSanitizer and UndefinedBehaviorSanitizer; then the build
# and the tests in a root of Debian 13, and the package installed in roots of Debian 12 and 13.
# Last, how long each step took and the builds in all.
#
# Debian 12's tests run on the very build the package comes from: one build, with the package's
# flags and CMake's default generator, in build-package/, which also makes the package.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-package"

# Each step is announced with its title; the time each took is listed at the end.
steps=() step_title="" step_start=$SECONDS builds=0
step() {
    [[ -z $step_title ]] || steps+=("$(printf '%5d s  %s' $((SECONDS - step_start)) "$step_title")")
    step_title=$1 step_start=$SECONDS
    [[ -z $1 ]] || echo "== $1"
}
# built SECONDS: a build's time, counted in the builds' total.
built() { builds=$((builds + $1)); }

step "Installed what is missing"
"$root/scripts/setup.sh" --tests --lint --no-build

# The roots of Debian 13 (its build's, with what the build and the tests need, and the one its
# package is installed in) and of Debian 12 (to install its package in) are made meanwhile, in
# a process group of their own: downloading and unpacking, while this machine builds.
# shellcheck source=debian-root.sh
. "$root/scripts/debian-root.sh"
roots="$(mktemp -d /var/tmp/quadena-roots.XXXXXX)"
mkdir "$roots/debian13" "$roots/bookworm"
remove_roots() {
    if [[ -n "${preparer:-}" ]]; then
        kill -TERM -- "-$preparer" 2>/dev/null || true
        wait "$preparer" 2>/dev/null || true
    fi
    local dir
    for dir in "$roots/debian13/build" "$roots/debian13/install" "$roots/bookworm"; do
        debian_root_remove "$dir" || return 1
    done
    rm -rf "$roots"
}
trap remove_roots EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
setsid bash -c '"$1/scripts/test-debian13.sh" --prepare "$2/debian13" &&
                "$1/tests/system/package_install.sh" --prepare "$2/bookworm" bookworm' \
    sh "$root" "$roots" >"$roots/prepare.log" 2>&1 &
preparer=$!
# prepared: waits for the roots; their log when they could not be made.
prepared() {
    [[ -n "${preparer:-}" ]] || return 0
    local rc=0
    wait "$preparer" || rc=$?
    preparer=""
    sed 's/^/  /' "$roots/prepare.log"
    ((rc == 0)) || { echo "FAIL: the roots of Debian 12 and 13 were not made"; exit 1; }
}

step "Built: the program, the tests and the benchmarks with the package's flags, and the package"
start=$SECONDS
deb="$("$root/scripts/package.sh" --with-tests | tail -n 1)"
built $((SECONDS - start))

step "Include graph of src/ by wing; src/ as .clang-format formats it"
"$root/scripts/include-graph.sh"
"$root/scripts/format-check.sh"

step "Tests"
ctest --test-dir "$build" --output-on-failure

step "Sound playback"
"$root/tests/system/sound_playback.sh" "$build/tests/play_sounds"

step "Printing through CUPS"
"$root/tests/system/print_e2e.sh" "$build/tests/print_jobs"

step "Wrap benchmark"
"$build/bench/bench_wrap"

step "Practice benchmark: a simulated class on the find board, review against the board's own draw"
"$build/bench/bench_practice"

step "A hostile desktop: broken sounds, no or silent sound server, no printer, no home; the voice benchmark"
"$root/tests/system/hostile_desktop.sh" --voice-bench "$build/bench/bench_voice" \
    "$build/tests/hostile_session"

step "Ended by SIGTERM, SIGHUP and SIGINT after playing sounds: nothing left behind"
"$root/tests/system/signal_exit.sh" "$build/tests/hostile_session" "$build/src/quadena"

step "The save helper: whole or \"non salvato\", with links, no marker, failing calls and a full share"
"$root/tests/system/save_helper.sh" "$build/src/quadena-salva"

step "The results on a school's share (sshd and sshfs): twenty machines at once, the share hung and lost, a program killed"
"$root/tests/system/share_e2e.sh" "$build/tests/class_child"

step "Share benchmark: answer to repaint with the results on the share, and with it hung; the end then; the teacher's view of 6 000 session files on the share"
"$root/bench/bench_share.sh" "$build/bench/bench_share" "$build/bench/bench_teacher"

step "Soak benchmark: memory over a school day of openings"
"$root/tests/system/xvfb_test.sh" "$build/bench/bench_soak" 1000 100
step "The same drawn by Qt's Fusion style: whether its pixmap cache still grows on this Qt"
"$root/tests/system/xvfb_test.sh" "$build/bench/bench_soak" 300 100 --plain-style

step "Results benchmark: recording an answer, opening the teacher's page, the record's memory, the three games"
"$root/tests/system/xvfb_test.sh" "$build/bench/bench_results"

step "Start-up benchmark: the start window and the memory at 5 s, with and without --voice"
"$root/tests/system/xvfb_test.sh" "$root/bench/bench_startup.sh" "$build/src/quadena"

step "Debian package: lintian, desktop entry, AppStream, its files, the program started from it"
"$root/tests/system/package_check.sh" "$deb"

step "Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
start=$SECONDS
# The benchmarks' figures come from the build above; they are not built here.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADENA_SANITIZE=ON \
    -DQUADENA_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$(nproc)"
built $((SECONDS - start))
# Leaks that belong to fontconfig and Qt's own caches at exit are listed, with the reason,
# in tests/support/lsan.supp.
# The pointer-only walk through every board (two minutes of real clicks) runs in the release
# build only; the sanitizers see the same code through the monkey and the widget tests.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/support/lsan.supp":print_suppressions=0 \
    ctest --test-dir "$root/build-asan" --output-on-failure -E '^test_pointer_only$'

step "A hostile desktop, with the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/support/lsan.supp":print_suppressions=0 \
    "$root/tests/system/hostile_desktop.sh" --sanitizer-build "$root/build-asan/tests/hostile_session"

step "Ended by a signal, with the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/support/lsan.supp":print_suppressions=0 \
    "$root/tests/system/signal_exit.sh" "$root/build-asan/tests/hostile_session" \
        "$root/build-asan/src/quadena"

step "Debian 13 (Qt 6.8): the build and the tests in a root of its own"
prepared
"$root/scripts/test-debian13.sh" --prepared "$roots/debian13" | tee "$roots/debian13.log"
built "$(sed -n 's/^package for Debian 13 built, with the tests: \([0-9]*\) s$/\1/p' \
    "$roots/debian13.log")"

step "The Debian package installed with apt in a root of Debian 12, its pictures drawn"
# The package built here links Debian 12's ICU (libicu72, for the number words), which Debian
# 13 does not have: scripts/test-debian13.sh builds and installs Debian 13's in roots of its own.
"$root/tests/system/package_install.sh" --prepared "$roots/bookworm" bookworm "$deb"

step ""
echo "== Time of each step ($((SECONDS / 60)) min in all)"
printf '%s\n' "${steps[@]}"
printf '%5d s  the three builds in all (Debian 12 with the package, the sanitizers, Debian 13)\n' \
    "$builds"
