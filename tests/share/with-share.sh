#!/usr/bin/env bash
# Runs a command with a private SMB share mounted: Samba on loopback only (port 4450), reached
# through smbnetfs (FUSE). The share's folder is passed to the command as $ORVELLES_SHARE, its
# server-side folder as $ORVELLES_SHARE_BACKING, and `$ORVELLES_SHARE_CTL stop|start` stops and
# starts the server. Everything is unmounted and stopped at the end, whatever the command did.
# Exits 77 (skipped) without root, /dev/fuse or the programs.
set -euo pipefail

skip() { echo "SKIP: $*" >&2; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "the share test needs root (it starts smbd and mounts through FUSE)"
[ -c /dev/fuse ] || skip "the share test needs /dev/fuse"
for prog in smbd smbpasswd smbnetfs fusermount; do
    command -v "$prog" > /dev/null || skip "the share test needs $prog (packages samba smbnetfs fuse3)"
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
    for _ in $(seq 100); do
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

cleanup() {
    local status=$?
    fusermount -u "$mnt" 2> /dev/null || fusermount -uz "$mnt" 2> /dev/null || true
    [ -f "$tmp/smbnetfs.pid" ] && kill "$(cat "$tmp/smbnetfs.pid")" 2> /dev/null || true
    stop_server
    rm -rf "$tmp"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

printf 'pw\npw\n' | smbpasswd -c "$conf" -s -a root > /dev/null
start_server

cat > "$tmp/home/smbnetfs.conf" <<CONF
smb_query_browsers "false"
auth "127.0.0.1" "root" "pw"
CONF
chmod 600 "$tmp/home/smbnetfs.conf"
# -s: single-threaded, so that a close has reached the server before the next call.
HOME=$tmp/home smbnetfs "$mnt" -f -s -o "config=$tmp/home/smbnetfs.conf,log_file=$tmp/smbnetfs.log" \
    > "$tmp/smbnetfs.out" 2>&1 &
echo $! > "$tmp/smbnetfs.pid"
share=$mnt/127.0.0.1:$port/school
for _ in $(seq 100); do [ -d "$share" ] && break; sleep 0.05; done
[ -d "$share" ] || { echo "the share did not mount" >&2; cat "$tmp/smbnetfs.out" >&2; exit 1; }

cat > "$tmp/ctl" <<CTL
#!/usr/bin/env bash
# stop | start the private Samba server
set -e
conf=$conf; tmp=$tmp; port=$port
$(declare -f start_server stop_server)
case "\$1" in stop) stop_server ;; start) start_server ;; *) exit 2 ;; esac
CTL
chmod +x "$tmp/ctl"

export ORVELLES_SHARE=$share ORVELLES_SHARE_BACKING=$tmp/share ORVELLES_SHARE_CTL=$tmp/ctl
"$@"
