#!/usr/bin/env bash
# Three copies of sharedriver add and remove worksheets at once in a real SMB share; one is
# killed at random moments and restarted, and the server is stopped and started in the middle.
# Afterwards no name may be lost or doubled and every listed question file must load whole:
# that is the only failure. A save that fails while the share is away is tried again and
# counted; a mount that does not come back after the restart is remounted.
#   share-test.sh BUILD_DIR [OPERATIONS]   (OPERATIONS per copy, default 200)
# Exits 77 where the share cannot be set up (no root, no /dev/fuse).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${ORVELLES_SHARE:-}" ]; then
    exec "$here/with-share.sh" "$0" "$@"
fi
driver="$(cd "$1" && pwd)/tests/sharedriver"
ops=${2:-200}
out=$(mktemp -d /tmp/orvelles-sharelogs.XXXXXX)
trap 'rm -rf "$out"' EXIT
touch "$out/C.log"

folder=$ORVELLES_SHARE/orvelles
mkdir -p "$folder/multiple"
printf ' 0 \r\n' > "$folder/multiple/track.txt"

# The local figure to compare with: one copy, the same operations, on the local disk.
mkdir -p "$out/local/multiple"
printf ' 0 \r\n' > "$out/local/multiple/track.txt"
"$driver" run "$out/local" L "$ops" 7 > "$out/local.log"
tail -1 "$out/local.log"

start=$(date +%s.%N)
"$driver" run "$folder" A "$ops" 1 > "$out/A.log" &
pid_a=$!
"$driver" run "$folder" B "$ops" 2 > "$out/B.log" &
pid_b=$!

# Copy C is killed at random moments; each restart goes on with fresh names.
kills=0
(
    round=0
    while [ "$(grep -c '^begin' "$out/C.log" 2> /dev/null || true)" -lt "$ops" ]; do
        left=$((ops - $(grep -c '^begin' "$out/C.log" 2> /dev/null || true)))
        "$driver" run "$folder" "C$round" "$left" $((round + 3)) >> "$out/C.log" &
        pid=$!
        sleep "0.$((RANDOM % 9 + 1))"
        kill -9 "$pid" 2> /dev/null && echo kill >> "$out/kills"
        wait "$pid" 2> /dev/null || true
        round=$((round + 1))
    done
) &
pid_c=$!

# The server goes away for two seconds while the copies save. From its restart until the
# copies end, the mount is checked every second and remounted when it is dead or hung (on a
# loaded machine smbnetfs has once failed to reconnect for the rest of a run).
sleep 3
"$ORVELLES_SHARE_CTL" stop
sleep 2
"$ORVELLES_SHARE_CTL" start || true # revive waits for it
touch "$out/remounts"
(
    while [ ! -e "$out/finished" ]; do
        "$ORVELLES_SHARE_CTL" revive | sed "s/^/$(awk -v a="$start" -v b="$(date +%s.%N)" \
            'BEGIN {printf "%.0f", b - a}') s: /" >> "$out/remounts" || true
        sleep 1
    done
) &
pid_keeper=$!

status=0
wait "$pid_a" || status=1
wait "$pid_b" || status=1
wait "$pid_c" || status=1
end=$(date +%s.%N)
touch "$out/finished"
wait "$pid_keeper" || true
[ -f "$out/kills" ] && kills=$(wc -l < "$out/kills")

tail -qn1 "$out/A.log" "$out/B.log"
echo "copy C: $(grep -c '^begin' "$out/C.log") operations begun, $(grep -c '^done' "$out/C.log") done, killed $kills times"
echo "share away or busy: $(cat "$out"/[ABC].log | grep -c '^fail') tries failed, $(cat "$out"/[ABC].log | grep -c '^retry') tried again; remounted $(grep -c remounted "$out/remounts") times"
sed 's/^/  /' "$out/remounts"
for copy in A B C; do
    grep '^fail' "$out/$copy.log" | cut -d' ' -f1,2,4- | sed "s|$folder/||; s/^/  /" |
        sort | uniq -c | sort -rn | head -5 || true
done
echo "three copies took $(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.1f", b - a}') s"
# The check reads through a live mount; should the share not come back at all, the server's
# own folder holds the same files, so the verdict is still on the program's work.
checked=$folder
if ! "$ORVELLES_SHARE_CTL" revive > /dev/null; then
    echo "the share did not come back; checking the server's folder instead"
    checked=$ORVELLES_SHARE_BACKING/orvelles
fi
"$driver" check "$checked" "$out/A.log" "$out/B.log" "$out/C.log" || status=1
leftover=$(find "$ORVELLES_SHARE_BACKING" -name '*.new' -o -name '*.lock' -o -name '*.break' | wc -l)
echo "files left by killed copies and the outage: $leftover"

exit $status
