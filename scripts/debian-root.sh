# Roots of a Debian release, made with mmdebstrap from the archive this machine's apt already
# uses, to build, test or install the program as on that release. Sourced, not run; every
# function needs root (mmdebstrap in root mode, mounts, chroot).
#
#   debian_root_make DIR RELEASE [PACKAGE...]  a root of RELEASE in DIR/root with the packages
#   debian_root_mount DIR [SOURCES]            /proc, a private /dev and /tmp; SOURCES read-only
#                                              at /src
#   debian_root_run DIR COMMAND...             COMMAND inside, with a clean environment
#   debian_root_unmount DIR                    stops every process inside, unmounts what was
#                                              mounted in reverse order; the root stays
#   debian_root_remove DIR                     the same, and removes DIR
#
# DIR is a fresh folder of the caller's (mktemp -d), removed with debian_root_remove from a
# trap. Only processes whose root lies inside DIR are stopped.

debian_root_mounts=()
debian_root_builder="" # the mmdebstrap at work, if any
debian_root_env=(PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
                 HOME=/root LANG=C.UTF-8 TMPDIR=/tmp DEBIAN_FRONTEND=noninteractive)

# Prints the apt sources of RELEASE: the Debian entries of FILE (deb822 when its name ends in
# .sources, one-line otherwise) whose suites are HOST's (HOST, HOST-updates, HOST-security...),
# with HOST replaced by RELEASE. Other archives, source entries and comments are left out.
debian_root_sources() {
    local release="$1" file="$2" host="$3"
    # A suite of HOST's under RELEASE's name; empty for any other suite.
    local rename='function rename(s) {
        return s == from || index(s, from "-") == 1 ? to substr(s, length(from) + 1) : "" }'
    if [[ "$file" == *.sources ]]; then
        awk -v from="$host" -v to="$release" "$rename"'
            BEGIN { RS = ""; FS = "\n" }
            {
                out = ""; keep = 0; deb = 0
                for (i = 1; i <= NF; i++) {
                    line = $i
                    if (line ~ /^#/) continue
                    if (line ~ /^Enabled: *no/) { keep = 0; deb = 0; break }
                    if (line ~ /^Types:/) { deb = line ~ /[: ]deb( |$)/; line = "Types: deb" }
                    if (line ~ /^Suites:/) {
                        n = split(substr(line, 8), suites, " ")
                        line = "Suites:"
                        for (j = 1; j <= n; j++)
                            if ((s = rename(suites[j])) != "") { line = line " " s; keep = 1 }
                    }
                    out = out line "\n"
                }
                if (keep && deb) printf "%s%s", (printed++ ? "\n" : ""), out
            }' "$file"
    else
        awk -v from="$host" -v to="$release" "$rename"'
            $1 == "deb" {
                i = 2
                if ($2 ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
                if ((s = rename($(i + 1))) != "") { $(i + 1) = s; print }
            }' "$file"
    fi
}

debian_root_make() {
    local dir="$1" release="$2"
    shift 2
    local host file
    host="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    file=/etc/apt/sources.list.d/debian.sources
    [[ -f "$file" ]] || file=/etc/apt/sources.list
    debian_root_sources "$release" "$file" "$host" >"$dir/$release.sources"
    if [[ ! -s "$dir/$release.sources" ]]; then
        echo "no Debian archive for $host in $file" >&2
        return 1
    fi
    [[ "$file" == *.sources ]] || mv "$dir/$release.sources" "$dir/$release.list"
    # What this machine's apt is told about the archive: proxies, and whether to accept a
    # Release file past its date, as a mirror frozen in time needs.
    local options=() line
    while read -r line; do
        options+=(--aptopt="$line")
    done < <(apt-config dump |
        grep -E '^Acquire::(Check-Valid-Until|Check-Date|https?::Proxy(::[^ ]+)?) ')
    local include=(--include="$(IFS=,; echo "$*")")
    (($#)) || include=()
    chmod 755 "$dir" # apt's download user reads the lists there
    # No syncing while unpacking (the root is thrown away after use), no manuals or documents.
    options+=(--dpkgopt=force-unsafe-io --dpkgopt='path-exclude=/usr/share/doc/*'
              --dpkgopt='path-exclude=/usr/share/man/*')
    mmdebstrap --mode=root --variant=apt --skip=cleanup/apt/lists "${options[@]}" "${include[@]}" \
        "$release" "$dir/root" "$dir/$release".* >"$dir/mmdebstrap.log" 2>&1 &
    debian_root_builder=$!
    wait "$debian_root_builder" || {
        debian_root_builder=""
        tail -n 20 "$dir/mmdebstrap.log" >&2
        return 1
    }
    debian_root_builder=""
    # Packages installed later start no services inside the root.
    printf '#!/bin/sh\nexit 101\n' >"$dir/root/usr/sbin/policy-rc.d"
    chmod 755 "$dir/root/usr/sbin/policy-rc.d"
}

debian_root_mount_one() {
    local target="$1"
    shift
    mount "$@" "$target"
    debian_root_mounts+=("$target")
}

debian_root_mount() {
    local root="$1/root" sources="${2:-}"
    debian_root_mount_one "$root/proc" -t proc -o nosuid,nodev,noexec proc
    # A /dev of its own: the usual character devices, pseudo-terminals and shared memory.
    debian_root_mount_one "$root/dev" -t tmpfs -o nosuid,mode=755,size=1m dev
    local name major minor
    while read -r name major minor; do
        mknod -m 666 "$root/dev/$name" c "$major" "$minor"
    done <<<$'null 1 3\nzero 1 5\nfull 1 7\nrandom 1 8\nurandom 1 9\ntty 5 0'
    ln -s /proc/self/fd "$root/dev/fd"
    ln -s /proc/self/fd/0 "$root/dev/stdin"
    ln -s /proc/self/fd/1 "$root/dev/stdout"
    ln -s /proc/self/fd/2 "$root/dev/stderr"
    mkdir "$root/dev/pts" "$root/dev/shm"
    debian_root_mount_one "$root/dev/pts" -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts
    ln -s pts/ptmx "$root/dev/ptmx"
    debian_root_mount_one "$root/dev/shm" -t tmpfs -o nosuid,nodev,mode=1777 shm
    debian_root_mount_one "$root/tmp" -t tmpfs -o nosuid,nodev,mode=1777 tmp
    if [[ -n "$sources" ]]; then
        mkdir -p "$root/src"
        debian_root_mount_one "$root/src" --bind "$sources"
        mount -o remount,bind,ro "$root/src"
    fi
}

# Runs in the background and waits, so that a trapped signal is handled at once.
debian_root_run() {
    local root="$1/root"
    shift
    chroot "$root" /usr/bin/env -i "${debian_root_env[@]}" "$@" &
    wait "$!"
}

# The processes whose root is inside DIR.
debian_root_processes() {
    local root="$1/root" link pid target
    for link in /proc/[0-9]*/root; do
        pid="${link#/proc/}"
        pid="${pid%/root}"
        target="$(readlink "$link" 2>/dev/null)" || continue
        target="${target% (deleted)}" # a root removed under it
        [[ "$target" == "$root" || "$target" == "$root"/* ]] && echo "$pid"
    done
    return 0
}

debian_root_mounted() {
    findmnt -rn -o TARGET | awk -v dir="$1/" 'index($0, dir) == 1'
}

debian_root_unmount() {
    local dir="$1" pids i target
    [[ -d "$dir" ]] || return 0
    if [[ -n "$debian_root_builder" ]]; then
        kill -TERM "$debian_root_builder" 2>/dev/null || true
        wait "$debian_root_builder" 2>/dev/null || true # it unmounts what it mounted
    fi
    pids="$(debian_root_processes "$dir")"
    if [[ -n "$pids" ]]; then
        kill -TERM $pids 2>/dev/null || true
        for _ in $(seq 50); do
            [[ -z "$(debian_root_processes "$dir")" ]] && break
            sleep 0.1
        done
        pids="$(debian_root_processes "$dir")"
        [[ -z "$pids" ]] || kill -KILL $pids 2>/dev/null || true
    fi
    local others=()
    for ((i = ${#debian_root_mounts[@]} - 1; i >= 0; i--)); do
        target="${debian_root_mounts[i]}"
        [[ "$target" == "$dir"/* ]] || { others=("$target" "${others[@]}"); continue; }
        findmnt -rn "$target" >/dev/null || continue
        umount "$target" 2>/dev/null || umount --lazy "$target"
    done
    debian_root_mounts=("${others[@]}")
    # Whatever is still mounted inside (left by an interrupted mmdebstrap), deepest first.
    while read -r target; do
        umount "$target" 2>/dev/null || umount --lazy "$target"
    done < <(debian_root_mounted "$dir" | sort -r)
    if [[ -n "$(debian_root_mounted "$dir")" ]]; then
        echo "still mounted inside $dir; left in place:" >&2
        debian_root_mounted "$dir" >&2
        return 1
    fi
}

debian_root_remove() {
    [[ -d "$1" ]] || return 0
    debian_root_unmount "$1" && rm -rf --one-file-system "$1"
}
