#!/usr/bin/env bash
# Runs a command with a private SMB share mounted: Samba on loopback only (port 4450), reached
# through smbnetfs (FUSE). The share's folder is passed to the command as $ORVELLES_SHARE, its
# server-side folder as $ORVELLES_SHARE_BACKING, and `$ORVELLES_SHARE_CTL stop|start|revive`
# stops and starts the server, or waits for it to answer and remounts the share if it does not
# (revive prints "remounted" each time; it fails when the share cannot be brought back).
# Everything is unmounted and stopped at the end, whatever the command did.
# Exits 77 (skipped) without root, /dev/fuse or the programs.
set -euo pipefail

skip() { echo "SKIP: $*" >&2; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the share test needs root (it starts smbd and mounts through FUSE)"
[ -c /dev/fuse ] || skip "the share test needs /dev/fuse"
for prog in smbd smbpasswd smbclient smbnetfs fusermount timeout; do
    command -v "$prog" > /dev/null || skip "the share test needs $prog (packages samba smbclient smbnetfs fuse3)"
done
[ $# -ge 1 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }

port=${ORVELLES_SHARE_PORT:-4450}
tmp=$(mktemp -d /tmp/orvelles-share.XXXXXX)
conf=$tmp/smb.conf
mnt=$tmp/mnt
mkdir -p "$tmp"/{private,lock,state,cache,pid,ncalrpc,share,home,mnt}
chmod 777 "$tmp/share"

cat > "$conf" <<CONF
[global]
    server role = standalone server
    interfaces = lo
    bind interfaces only = yes
    smb ports = $port
    disable netbios = yes
    private dir = $tmp/private
    lock directory = $tmp/lock
    state directory = $tmp/state
    cache directory = $tmp/cache
    pid directory = $tmp/pid
    ncalrpc dir = $tmp/ncalrpc
    passdb backend = tdbsam:$tmp/private/passdb.tdb
    log file = $tmp/smbd.log
    load printers = no
    disable spoolss = yes
[school]
    path = $tmp/share
    read only = no
    valid users = root
CONF

start_server() {
    smbd --foreground --configfile="$conf" < /dev/null > "$tmp/smbd.out" 2>&1 &
    echo $! > "$tmp/smbd.pid"
    # A loaded machine can take seconds to start it.
    for _ in $(seq 600); do
        (exec 3<>/dev/tcp/127.0.0.1/"$port") 2> /dev/null && return 0
        sleep 0.05
    done
    echo "smbd did not start; its log:" >&2
    cat "$tmp/smbd.out" "$tmp/smbd.log" >&2 || true
    return 1
}

stop_server() {
    local pid
    pid=$(cat "$tmp/smbd.pid" 2> /dev/null) || return 0
    kill "$pid" 2> /dev/null || true
    for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
    kill -9 "$pid" 2> /dev/null || true
    rm -f "$tmp/smbd.pid"
}

# The server answers when a client of its own (not the mount) can list the share.
server_answers() {
    timeout -k 2 10 smbclient -s "$conf" -p "$port" -U root%pw -c ls //127.0.0.1/school \
        > /dev/null 2>&1
}

# -s: single-threaded, so that a close has reached the server before the next call. nonempty:
# the mount goes over the stand-in file below.
start_mount() {
    HOME=$tmp/home smbnetfs "$mnt" -f -s \
        -o "nonempty,config=$tmp/home/smbnetfs.conf,log_file=$tmp/smbnetfs.log" \
        >> "$tmp/smbnetfs.out" 2>&1 &
    echo $! > "$tmp/smbnetfs.pid"
    disown $! # a mount killed for a remount is no news
    for _ in $(seq 200); do [ -d "$share" ] && return 0; sleep 0.05; done
    return 1
}

# Killing smbnetfs ends any call stuck in the mount (ENOTCONN); the lazy unmount lets a new
# mount take the folder while processes still hold files in the old one.
stop_mount() {
    local pid
    if pid=$(cat "$tmp/smbnetfs.pid" 2> /dev/null); then
        kill "$pid" 2> /dev/null || true
        for _ in $(seq 40); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2> /dev/null || true
        rm -f "$tmp/smbnetfs.pid"
    fi
    fusermount -u "$mnt" 2> /dev/null || fusermount -uz "$mnt" 2> /dev/null || true
}

# A file written and read back through the mount within a time limit, and found in the
# server's own folder: a hung or dropped mount fails this where a cached listing might not, and
# so does the bare folder under a mount that is not there.
mount_alive() {
    local status=0 token
    token=$(date +%s.%N)
    timeout -k 2 10 sh -c 'printf %s "$2" > "$1" && [ "$(cat "$1")" = "$2" ]' sh "$share/.alive" \
        "$token" 2> "$tmp/alive.err" || status=$?
    [ $status -eq 124 ] && echo "timed out" > "$tmp/alive.err"
    if [ $status -eq 0 ] && [ "$(cat "$tmp/share/.alive" 2> /dev/null)" != "$token" ]; then
        echo "not on the server" > "$tmp/alive.err"
        status=1
    fi
    return $status
}

revive() {
    local tries
    for tries in $(seq 120); do server_answers && break; sleep 0.5; done
    server_answers || { echo "the server does not answer" >&2; return 1; }
    for tries in 1 2 3; do
        mount_alive && return 0
        # The first call after a restart reconnects; a second failure is a dead mount.
        sleep 1
        mount_alive && return 0
        echo "remounted ($(head -c 200 "$tmp/alive.err" | sed 's/.*: //' | paste -sd' '))"
        stop_mount
        start_mount || true
    done
    mount_alive
}

cleanup() {
    local status=$?
    stop_mount
    stop_server
    rm -rf "$tmp"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

share=$mnt/127.0.0.1:$port/school
# While the share is not mounted (stopped for a remount), a file stands where the server's
# folder would be, so that a program making its folders there fails as it would with the share
# gone. Without it, a copy that made the share's path on the local disk in that moment kept the
# new mount out ("mountpoint is not empty"), and every later write went to the local disk.
: > "$mnt/127.0.0.1:$port"
printf 'pw\npw\n' | smbpasswd -c "$conf" -s -a root > /dev/null
start_server

cat > "$tmp/home/smbnetfs.conf" <<CONF
smb_query_browsers "false"
auth "127.0.0.1" "root" "pw"
CONF
chmod 600 "$tmp/home/smbnetfs.conf"
start_mount || { echo "the share did not mount" >&2; cat "$tmp/smbnetfs.out" >&2; exit 1; }

cat > "$tmp/ctl" <<CTL
#!/usr/bin/env bash
# stop | start the private Samba server; revive: wait for it and remount the share if dead
set -e
conf=$conf; tmp=$tmp; port=$port; mnt=$mnt; share=$share
$(declare -f start_server stop_server server_answers start_mount stop_mount mount_alive revive)
case "\$1" in stop) stop_server ;; start) start_server ;; revive) revive ;; *) exit 2 ;; esac
CTL
chmod +x "$tmp/ctl"

export ORVELLES_SHARE=$share ORVELLES_SHARE_BACKING=$tmp/share ORVELLES_SHARE_CTL=$tmp/ctl
"$@"
