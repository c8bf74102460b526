# A school's file share for the tests, as labs mount home folders: a private sshd on
# 127.0.0.1 serving a folder of the test's temporary folder, mounted there with sshfs.
# Sourced by tests (bash), which call:
#   share_start TMP    keys, configuration, a free port, the server and the mount, all under
#                      TMP/share; sets SHARE (the mount point) and SHARE_SERVED (the folder
#                      the server serves, seen without the share); with SHARE_SIZE set
#                      (e.g. 1m), the server's disk is a tmpfs of that size, in its own
#                      mount namespace: seen only through the share
#   share_hang         stops the server and its session processes (SIGSTOP): the share hangs
#   share_resume       lets them go on (SIGCONT)
#   share_unmount      takes the share away, even hung: the mount point is an empty folder
#   share_mount        mounts it again
#   share_stop         unmounts, stops the server, by their own process ids; safe to call
#                      more than once and from a trap
# share_start sets an EXIT trap calling share_stop when the test has none; a test with a
# trap of its own calls share_stop from it. Nothing of the machine is changed: the server
# runs in a mount namespace of its own, where /run is a private tmpfs for its
# privilege-separation folder. Needs root, openssh-server, openssh-client, sshfs.

SHARE="" SHARE_SERVED="" share_work="" share_port="" share_sshd="" share_sshfs=""
share_ssh="" share_stopped=()

# Whether the share is mounted, from the kernel's table: asking the mount point itself
# would hang with the share.
share_mounted() {
    awk -v m="$SHARE" '$5 == m { found = 1 } END { exit !found }' /proc/self/mountinfo
}

share_fail() {
    echo "share: $*" >&2
    [[ -f $share_work/sshd.log ]] && tail -n 5 "$share_work/sshd.log" >&2
    return 1
}

# The processes of the server: the listener and every session below it.
share_server_pids() {
    local pids=("$share_sshd") i=0 child
    while ((i < ${#pids[@]})); do
        for child in $(pgrep -P "${pids[i]}" || true); do pids+=("$child"); done
        ((++i))
    done
    echo "${pids[@]}"
}

share_start() {
    share_work="$1/share"
    SHARE="$share_work/mnt" SHARE_SERVED="$share_work/served"
    mkdir -p "$SHARE" "$SHARE_SERVED"
    [[ -n $(trap -p EXIT) ]] || trap share_stop EXIT
    ssh-keygen -q -t ed25519 -N '' -C share-host -f "$share_work/host_key"
    ssh-keygen -q -t ed25519 -N '' -C share-user -f "$share_work/user_key"
    cp "$share_work/user_key.pub" "$share_work/authorized_keys"
    local attempt key
    key="$(cut -d' ' -f2 "$share_work/host_key.pub")"
    for attempt in 1 2 3 4 5 6 7 8; do
        share_port=$((20000 + RANDOM % 40000))
        ss -Hltn "sport = :$share_port" | grep -q . && continue
        cat >"$share_work/sshd_config" <<EOF
ListenAddress 127.0.0.1:$share_port
HostKey $share_work/host_key
PidFile none
AuthorizedKeysFile $share_work/authorized_keys
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
AllowUsers root
Subsystem sftp internal-sftp
LogLevel ERROR
EOF
        # unshare and sh exec into sshd: $! is the server's own process id.
        unshare --mount --propagation private sh -c \
            'mount -t tmpfs -o mode=755 share-run /run && mkdir -m 755 /run/sshd &&
             { [ -z "$3" ] || mount -t tmpfs -o "size=$3,mode=755" share-disk "$2"; } &&
             exec /usr/sbin/sshd -D -e -f "$1"' sh "$share_work/sshd_config" "$SHARE_SERVED" \
            "${SHARE_SIZE:-}" </dev/null >"$share_work/sshd.log" 2>&1 &
        share_sshd=$!
        local tries
        for tries in $(seq 100); do
            kill -0 "$share_sshd" 2>/dev/null || break
            # Our own server answers with our own host key, not another program on the port.
            if ssh-keyscan -t ed25519 -p "$share_port" 127.0.0.1 2>/dev/null | grep -qF "$key"; then
                echo "[127.0.0.1]:$share_port $(cut -d' ' -f1,2 "$share_work/host_key.pub")" \
                    >"$share_work/known_hosts"
                share_mount
                return
            fi
            sleep 0.1
        done
        kill "$share_sshd" 2>/dev/null
        wait "$share_sshd" 2>/dev/null
        share_sshd=""
    done
    share_fail "no sshd could be started"
}

share_mount() {
    sshfs -f -o "IdentityFile=$share_work/user_key,UserKnownHostsFile=$share_work/known_hosts" \
        -o "StrictHostKeyChecking=yes,BatchMode=yes,port=$share_port" \
        "root@127.0.0.1:$SHARE_SERVED" "$SHARE" </dev/null >>"$share_work/sshfs.log" 2>&1 &
    share_sshfs=$!
    local tries
    for tries in $(seq 100); do
        if share_mounted; then
            # sshfs starts its ssh client detached; it is found by our own key's path.
            share_ssh="$(pgrep -f -- "IdentityFile=$share_work/user_key" | grep -vx "$share_sshfs" |
                tr '\n' ' ' || true)"
            return
        fi
        kill -0 "$share_sshfs" 2>/dev/null || break
        sleep 0.1
    done
    share_fail "sshfs did not mount $SHARE"
}

share_hang() {
    read -ra share_stopped <<<"$(share_server_pids)"
    kill -STOP "${share_stopped[@]}"
}

share_resume() {
    ((${#share_stopped[@]} == 0)) || kill -CONT "${share_stopped[@]}" 2>/dev/null || true
    share_stopped=()
}

share_unmount() {
    [[ -n $share_sshfs ]] || return 0
    # Detached at once even when hung; ending sshfs fails the requests it was holding.
    ! share_mounted || fusermount3 -u -z "$SHARE" 2>/dev/null || true
    local pid
    for pid in $share_sshfs $share_ssh; do
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    share_sshfs="" share_ssh=""
}

share_stop() {
    [[ -n $share_work ]] || return 0
    share_resume
    share_unmount
    if [[ -n $share_sshd ]]; then
        local pids
        pids="$(share_server_pids)"
        # shellcheck disable=SC2086
        kill $pids 2>/dev/null || true
        wait "$share_sshd" 2>/dev/null || true
        share_sshd=""
    fi
    share_work=""
}
