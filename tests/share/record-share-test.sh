#!/usr/bin/env bash
# The class record on a real SMB share, run by hand: three computers add OPERATIONS entries
# each to their own files at once; C is killed at random moments and goes on where it stopped,
# and the server is restarted in the middle. No entry done may be lost or doubled in what the
# teacher's view reads. Not yet part of scripts/test: entries are still lost on this share
# after the server's restart (see docs/reliability.md).
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

# The class record: three computers add OPERATIONS entries each to their own files at once;
# C is killed at random moments and goes on where it stopped, and the server is restarted in
# the middle. No entry done may be lost or doubled in what the teacher's view reads.
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
sleep 1
"$ORVELLES_SHARE_CTL" stop
sleep 2
"$ORVELLES_SHARE_CTL" start || true
rm -f "$out/finished"
(
    while [ ! -e "$out/finished" ]; do
        "$ORVELLES_SHARE_CTL" revive > /dev/null || true
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
echo "class record: C killed $( [ -f "$out/record-kills" ] && wc -l < "$out/record-kills" || echo 0) times; $done_entries entries done in $(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.1f", b - a}') s"
checked=$record
"$ORVELLES_SHARE_CTL" revive > /dev/null || checked=$ORVELLES_SHARE_BACKING/orvelles/record
"$driver" checkrecord "$checked" "$out/RA.log" "$out/RB.log" "$out/RC.log" || status=1
exit $status
