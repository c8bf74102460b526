#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the include graph of the sources (no
# folder includes a higher one), the unit and widget tests, real sound playback through a
# PulseAudio server, real printing through a private CUPS server, the program on a hostile
# desktop, the wrap and soak benchmarks' figures, the Debian package's checks, the tests and
# the hostile desktop again in a build with AddressSanitizer and UndefinedBehaviorSanitizer;
# then the build and the tests in a root of Debian 13, and the package installed in roots of
# Debian 12 and 13.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --tests

echo "== Include graph of src/ by folder"
"$root/scripts/include-graph.sh"

echo "== Tests"
ctest --test-dir "$root/build" --output-on-failure

echo "== Sound playback"
"$root/tests/sound_playback.sh" "$root/build/tests/play_sounds"

echo "== Printing through CUPS"
"$root/tests/print_e2e.sh" "$root/build/tests/print_jobs"

echo "== Wrap benchmark"
"$root/build/tests/bench_wrap"

echo "== A hostile desktop: broken sounds, no or silent sound server, no printer, no home"
"$root/tests/hostile_desktop.sh" "$root/build/tests/hostile_session"

echo "== Soak benchmark: memory over a school day of openings"
"$root/tests/xvfb_test.sh" "$root/build/tests/bench_soak" 1000 100

echo "== Debian package: lintian, desktop entry, AppStream, the program started from it"
"$root/tests/package_check.sh"

echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUADENA_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$(nproc)"
# Leaks that belong to fontconfig and Qt's own caches at exit are listed, with the reason,
# in tests/lsan.supp.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0 \
    ctest --test-dir "$root/build-asan" --output-on-failure

echo "== A hostile desktop, with the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0 \
    "$root/tests/hostile_desktop.sh" "$root/build-asan/tests/hostile_session"

echo "== Debian 13 (Qt 6.8): the build and the tests in a root of its own"
"$root/scripts/test-debian13.sh"

echo "== The Debian package installed with apt in roots of Debian 12 and 13, its pictures drawn"
deb="$("$root/scripts/package.sh" --keep-build | tail -n 1)"
for release in bookworm trixie; do
    "$root/tests/system/package_install.sh" "$release" "$deb"
done
