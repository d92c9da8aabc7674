#!/usr/bin/env bash
# The class record on a real SMB share: three computers add OPERATIONS entries each to their own
# files at once; C is killed at random moments and goes on where it stopped, and the server is
# stopped for two seconds once A has done a quarter of its entries. No entry done may be lost or
# doubled in what the teacher's view reads, through the mount and in the server's own folder.
# scripts/test runs it with 100 entries a computer (see docs/reliability.md).
#   record-share-test.sh BUILD_DIR [OPERATIONS]   (OPERATIONS per computer, default 200)
# Exits 77 where the share cannot be set up (no root, no /dev/fuse).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${ORVELLES_SHARE:-}" ]; then
    exec "$here/with-share.sh" "$0" "$@"
fi
driver="$(cd "$1" && pwd)/tests/sharedriver"
ops=${2:-200}
out=$(mktemp -d /tmp/orvelles-recordlogs.XXXXXX)
trap 'rm -rf "$out"' EXIT
folder=$ORVELLES_SHARE/orvelles
status=0

record=$folder/record
touch "$out/RC.log"
start=$(date +%s.%N)
"$driver" record "$record" A "$ops" > "$out/RA.log" &
pid_a=$!
"$driver" record "$record" B "$ops" > "$out/RB.log" &
pid_b=$!
(
    while :; do
        begun=$(grep -c '^begin' "$out/RC.log" 2> /dev/null || true)
        [ "$begun" -ge "$ops" ] && break
        "$driver" record "$record" C $((ops - begun)) "$begun" >> "$out/RC.log" &
        pid=$!
        sleep "0.$((RANDOM % 9 + 1))"
        kill -9 "$pid" 2> /dev/null && echo kill >> "$out/record-kills"
        wait "$pid" 2> /dev/null || true
    done
) &
pid_c=$!
# However fast the machine, the server goes away while the computers are adding entries.
while [ "$(grep -c '^done' "$out/RA.log" || true)" -lt $((ops / 4)) ] &&
    kill -0 "$pid_a" 2> /dev/null; do
    sleep 0.05
done
"$ORVELLES_SHARE_CTL" stop
sleep 2
"$ORVELLES_SHARE_CTL" start || true
rm -f "$out/finished"
touch "$out/remounts"
(
    while [ ! -e "$out/finished" ]; do
        "$ORVELLES_SHARE_CTL" revive >> "$out/remounts" || true
        sleep 1
    done
) &
pid_keeper=$!
wait "$pid_a" || status=1
wait "$pid_b" || status=1
wait "$pid_c" || status=1
end=$(date +%s.%N)
touch "$out/finished"
wait "$pid_keeper" || true
tail -qn1 "$out/RA.log" "$out/RB.log"
done_entries=$(cat "$out"/R[ABC].log | grep -c '^done' || true)
echo "class record: C killed $( [ -f "$out/record-kills" ] && wc -l < "$out/record-kills" || echo 0) times; $done_entries entries done in $(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.1f", b - a}') s; $(cat "$out"/R[ABC].log | grep -c '^fail' || true) tries failed; remounted $(grep -c remounted "$out/remounts" || true) times"
# Every computer reads the server's files, so both the live mount and the server's own folder
# must hold every entry done.
if "$ORVELLES_SHARE_CTL" revive > /dev/null; then
    echo "through the mount:"
    "$driver" checkrecord "$record" "$out"/R[ABC].log | sed 's/^/  /' || status=1
else
    echo "the share did not come back; checking the server's folder only"
fi
echo "in the server's folder:"
"$driver" checkrecord "$ORVELLES_SHARE_BACKING/orvelles/record" "$out"/R[ABC].log |
    sed 's/^/  /' || status=1
exit $status
