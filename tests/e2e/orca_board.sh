#!/usr/bin/env bash
# A labelling board and an ordering board to full marks by keys alone, listened to through
# Orca: starts a private X display, session bus and accessibility bus, runs Orca with its
# speech written to a log (no sound device needed) and checks from that log what a pupil hears
# at each step (orca_board_road.sh).
#
#   tests/e2e/orca_board.sh PROGRAM [OUT]
#
# Exits 77, saying why, where Orca cannot run here (not installed, no buses, or another Orca of
# this user running, since Orca will not start beside it).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

program="$(realpath "$1")"
out="${2:-$(mktemp -d /tmp/orvelles-orca-board-out.XXXXXX)}"
mkdir -p "$out"
out="$(realpath "$out")"

skip() {
    echo "screen reader on the boards: skipped, $*"
    exit 77
}

for tool in orca xvfb-run Xvfb openbox xdotool xprop dbus-run-session /usr/bin/python3; do
    command -v "$tool" > /dev/null || skip "$tool is missing"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus launcher is missing"
# One Orca a user: wait a while for one that is running to finish.
for ((i = 0; i < 120; i++)); do
    pgrep -u "$(id -u)" -x orca > /dev/null || break
    sleep 1
done
pgrep -u "$(id -u)" -x orca > /dev/null && skip "another Orca of this user is running"

work="$(mktemp -d /tmp/orvelles-orca-board.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../content" "$work/content"
mkdir -p "$work/home" && chmod 0700 "$work/home"

echo "screen reader on the boards: $program on Xvfb with Orca, log and pictures in $out"
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
    -u AT_SPI_BUS_ADDRESS XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$here/orca_board_road.sh" \
    "$program" "$work/content" "$out" 2> >(grep -v '^dbus-daemon\|fd limit\|SpiRegistry' >&2)
