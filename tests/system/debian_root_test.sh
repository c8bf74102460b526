#!/usr/bin/env bash
# The roots of other releases (scripts/debian-root.sh): which apt sources a root gets from this
# machine's, and that a script using a root leaves nothing behind however it ends: no mount,
# no process inside, no folder, and the sources mounted into it untouched. The second part
# mounts inside its own temporary folder, so it needs root; without root it is skipped (77).
set -euo pipefail
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/debian-root.sh"
tmp="$(mktemp -d)"
failed=0
check() { # NAME EXPECTED ACTUAL
    if [[ "$2" == "$3" ]]; then
        echo "PASS: $1"
    else
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failed=$((failed + 1))
    fi
}

# Each case: the machine's sources, "----", the sources of the release.
sources_case() { # NAME RELEASE HOST FILE-SUFFIX
    local text input expected
    text="$(cat)"
    input="${text%%$'\n'----*}"
    expected="${text#*----$'\n'}"
    [[ "$text" == *$'\n'---- ]] && expected=""
    printf '%s\n' "$input" >"$tmp/machine.$4"
    check "sources: $1" "$expected" "$(debian_root_sources "$2" "$tmp/machine.$4" "$3")"
}
sources_case "deb822: main, updates, security renamed; no comments" trixie bookworm sources <<'EOF'
Types: deb
# a comment
URIs: http://deb.example/debian
Suites: bookworm bookworm-updates
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.example/debian-security
Suites: bookworm-security
----
Types: deb
URIs: http://deb.example/debian
Suites: trixie trixie-updates
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.example/debian-security
Suites: trixie-security
EOF
sources_case "deb822: no source, disabled or other archives" trixie bookworm sources <<'EOF'
Types: deb deb-src
URIs: http://deb.example/debian
Suites: bookworm sid
Components: main

Types: deb-src
Suites: bookworm

Types: deb
Enabled: no
Suites: bookworm-backports

Types: deb
URIs: http://other.example/repo
Suites: nodistro
----
Types: deb
URIs: http://deb.example/debian
Suites: trixie
Components: main
EOF
sources_case "one-line: options kept; no source or other archives" trixie bookworm list <<'EOF'
deb [ arch=amd64 signed-by=/k.gpg ] http://deb.example/debian bookworm main contrib
deb-src http://deb.example/debian bookworm main
deb http://deb.example/debian-security bookworm-security main
# deb http://deb.example/debian bookworm-backports main
deb http://other.example/repo stable main
----
deb [ arch=amd64 signed-by=/k.gpg ] http://deb.example/debian trixie main contrib
deb http://deb.example/debian-security trixie-security main
EOF
sources_case "no entry of the machine's release: nothing" trixie bookworm sources <<'EOF'
Types: deb
URIs: http://deb.example/debian
Suites: bullseye
Components: main
----
EOF

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIP: a root's mounts and processes need root"
    rm -rf "$tmp"
    ((failed == 0)) && exit 77
    exit 1
fi
trap 'for d in "$tmp"/case-*; do debian_root_remove "$d" || true; done; rm -rf --one-file-system "$tmp"' EXIT

# A root just big enough to run sleep and env in.
fake_root() {
    local root="$1/root" file
    mkdir -p "$root"/{proc,dev,tmp,usr/bin}
    cp /usr/bin/sleep /usr/bin/env "$root/usr/bin/"
    ldd /usr/bin/sleep /usr/bin/env | awk '/=> \//{ print $3 } /^\t\//{ print $1 }' | sort -u |
        while read -r file; do cp --parents "$file" "$root"; done
}
# How a script using a root ends, and the status it ends with.
ending_case() { # NAME HOW EXPECTED-STATUS
    local dir="$tmp/case-$2" sources="$tmp/sources-$2" rc=0
    mkdir -p "$dir" "$sources"
    touch "$sources/kept"
    fake_root "$dir"
    bash -c '
        set -euo pipefail
        . "$1/scripts/debian-root.sh"
        work="$2"
        trap "debian_root_remove \"$work\"" EXIT
        trap "exit 143" TERM
        debian_root_mount "$work" "$3"
        case "$4" in
        ends) debian_root_run "$work" sleep 0 ;;
        fails) debian_root_run "$work" sleep 0; false ;;
        leaves) chroot "$work/root" /usr/bin/sleep 1000 & debian_root_run "$work" sleep 0 ;;
        *) debian_root_run "$work" sleep 1000 ;;
        esac' bash "$project" "$dir" "$sources" "$2" >"$tmp/$2.log" 2>&1 &
    local script=$!
    if [[ "$2" == TERM ]]; then
        for _ in $(seq 300); do
            [[ -n "$(debian_root_processes "$dir")" ]] && break
            sleep 0.1
        done
        kill "-$2" "$script"
    fi
    wait "$script" || rc=$?
    check "$1" "status $3, mounted: , inside: , folder: no, sources kept: yes" \
        "status $rc, mounted: $(debian_root_mounted "$dir"), inside: $(debian_root_processes "$dir")\
, folder: $([[ -e "$dir" ]] && echo yes || echo no)\
, sources kept: $([[ -e "$sources/kept" ]] && echo yes || echo no)"
}
ending_case "ends" ends 0
ending_case "a command fails" fails 1
ending_case "a process left running inside" leaves 0
ending_case "stopped while a command runs inside" TERM 143

echo "$failed failed"
((failed == 0))
