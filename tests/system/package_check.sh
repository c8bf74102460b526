#!/usr/bin/env bash
# The Debian package as a school gets it: built from scratch, checked with lintian,
# desktop-file-validate and appstreamcli, its file list compared with what the program needs,
# then unpacked into a temporary folder and started from there on a private X server until the
# start window shows. What the running program loads without a link (Qt plugins, Qt's Italian
# texts, fonts) must come from packages the package depends on.
# Nothing is installed on this machine; only the processes started here are stopped.
#
# Usage: tests/system/package_check.sh [path/to/quadena_<version>+<release>_<arch>.deb]
# Without a path the package is built with scripts/package.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
app_id=org.example.quadena
sounds=(si1 si2 si3 si4 no)
# The start window's client area: 8760 x 6615 twips at 15 twips a pixel.
start_size=584x441

# The part that runs on the private X server (see the end): starts the unpacked program,
# waits for its start window and reports what it loaded.
if [[ "${1:-}" == "--run-unpacked" ]]; then
    work="$2"
    mkdir -m 700 "$work/home" "$work/run" "$work/tmp"
    export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
    export XDG_CONFIG_HOME="$work/home/.config" PULSE_CLIENTCONFIG="$work/client.conf"
    echo "autospawn = no" >"$PULSE_CLIENTCONFIG" # no sound server is started behind our back
    unset PULSE_SERVER DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_PLUGIN_PATH
    "$work/root/usr/bin/quadena" 2>"$work/stderr" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT
    # The window is first listed at the size the window system gives a new window, then at
    # the start window's own: waited for in its final state, up to the 10 s of a hang.
    window="" seen=""
    for _ in $(seq 100); do
        seen="$(xwininfo -root -tree | grep -E '\("quadena" "[^"]*"\) +[0-9]+x[0-9]+' || true)"
        window="$(grep -E " $start_size\+" <<<"$seen" || true)"
        [[ -n "$window" ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended"; cat "$work/stderr"; exit 1; }
    [[ -n "$window" ]] || window="$(head -n 1 <<<"$seen")"
    echo "window: ${window## }"
    echo "exe: $(readlink "/proc/$pid/exe")"
    awk '$6 ~ /^\// { print $6 }' "/proc/$pid/maps" | sort -u >"$work/maps"
    exit 0
fi

failed=0
fail() { echo "FAIL: $*"; failed=1; }

work="$(mktemp -d -t package_check.XXXXXX)"
trap 'rm -rf "$work"' EXIT

deb="${1:-}"
if [[ -z "$deb" ]]; then
    start=$(date +%s)
    "$root/scripts/package.sh" >"$work/package.log" 2>&1 || {
        tail -n 40 "$work/package.log"
        echo "FAIL: the package was not built"
        exit 1
    }
    deb="$(tail -n 1 "$work/package.log")"
    echo "package built in $(($(date +%s) - start)) s"
fi
deb="$(realpath "$deb")"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

echo "-- lintian"
lintian_rc=0
lintian --pedantic --display-info --fail-on error "$deb" >"$work/lintian" 2>&1 || lintian_rc=$?
grep -v 'running with root privileges' "$work/lintian" || true
((lintian_rc == 0)) || fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
tree="$work/root"

echo "-- desktop entry and AppStream metadata"
desktop="$tree/usr/share/applications/$app_id.desktop"
metainfo="$tree/usr/share/metainfo/$app_id.metainfo.xml"
teacher="$tree/usr/share/applications/$app_id.insegnante.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
desktop-file-validate "$teacher" || fail "desktop-file-validate (the teacher's view)"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $app_id.desktop"
grep -qx 'Exec=quadena' "$desktop" || fail "the desktop entry does not start quadena"
grep -qx 'Icon=quadena' "$desktop" || fail "the desktop entry does not show the quadena icon"
grep -qx 'Exec=quadena --insegnante' "$teacher" || fail "the teacher's entry does not start the teacher's view"

echo "-- file list"
expected=(usr/bin/quadena usr/libexec/quadena/quadena usr/libexec/quadena/quadena-salva
          "$(printf 'usr/libexec/quadena/suoni/%s.wav\n' "${sounds[@]}")"
          "usr/share/applications/$app_id.desktop" "usr/share/applications/$app_id.insegnante.desktop"
          "usr/share/metainfo/$app_id.metainfo.xml"
          usr/share/icons/hicolor/scalable/apps/quadena.svg
          "$(printf 'usr/share/icons/hicolor/%sx%s/apps/quadena.png\n' 48 48 64 64 128 128 256 256)"
          usr/share/man/man1/quadena.1.gz usr/share/man/it/man1/quadena.1.gz
          usr/share/doc/quadena/copyright usr/share/doc/quadena/changelog.gz)
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
(cd "$tree" && find . ! -type d | sed 's|^\./||' | sort) >"$work/actual"
diff "$work/expected" "$work/actual" | sed -n 's/^< /missing: /p; s/^> /unexpected: /p' >"$work/diff" || true
if [[ -s "$work/diff" ]]; then
    cat "$work/diff"
    fail "the package's files differ from the list"
fi
[[ "$(readlink -f "$tree/usr/bin/quadena")" == "$tree/usr/libexec/quadena/quadena" ]] ||
    fail "usr/bin/quadena does not lead to usr/libexec/quadena/quadena inside the package"
for size in 48 64 128 256; do
    [[ $(file "$tree/usr/share/icons/hicolor/${size}x$size/apps/quadena.png") == \
        *"PNG image data, $size x $size,"* ]] || fail "the ${size}px icon is not $size x $size"
done
for sound in "${sounds[@]}"; do
    cmp -s "$tree/usr/libexec/quadena/suoni/$sound.wav" "$root/assets/suoni/$sound.wav" ||
        fail "suoni/$sound.wav is not the project's sound"
done

echo "-- the unpacked program on a private X server"
"$root/tests/system/xvfb_test.sh" "$root/tests/system/package_check.sh" --run-unpacked "$work" |
    tee "$work/run.out" || fail "the program did not run"
grep -q "^window: .* $start_size+" "$work/run.out" || fail "no start window of $start_size"
# Started through usr/bin, the program runs from its private folder, where it finds "suoni".
grep -qx "exe: $tree/usr/libexec/quadena/quadena" "$work/run.out" ||
    fail "the program did not run from the unpacked package"
if [[ -s "$work/stderr" ]]; then
    sed 's/^/    /' "$work/stderr"
    fail "the program wrote warnings"
fi

echo "-- what the program loads without a link, and the packages that bring it"
depends="$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//; /^$/d')"
deb_needs=0
while read -r path; do
    owner="$(dpkg -S "$path" 2>/dev/null | head -n 1 | sed 's/[:,].*//')"
    [[ -n "$owner" ]] || { fail "no package holds $path"; continue; }
    if grep -qx "$owner" <<<"$depends"; then
        echo "$owner: ${path##*/}"
    else
        fail "$path comes from $owner, which the package does not depend on"
    fi
    deb_needs=$((deb_needs + 1))
done < <(grep -E '/qt6/plugins/|/qt6/translations/|^/usr/share/fonts/' "$work/maps" || true)
((deb_needs > 0)) || fail "the program loaded no plugin, translation or font"

((failed == 0)) && echo "package check passed"
exit "$failed"
