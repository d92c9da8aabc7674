#!/usr/bin/env bash
# What a blind pupil hears: Orca, the screen reader, over the program driven by keys alone, on
# Xvfb in a private D-Bus session with its own accessibility bus; each step is checked against
# the phrases in Orca's own log (orca_quiz.sh).
#
#   tests/e2e/orca.sh PROGRAM [OUT]
#
# Exits 77, saying why, where Orca cannot run here or never came up; 1 when a check failed.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

program="$(realpath "$1")"
out="${2:-$(mktemp -d /tmp/orvelles-orca-out.XXXXXX)}"
mkdir -p "$out"
out="$(realpath "$out")"

for tool in xvfb-run Xvfb openbox xdotool xprop import orca dbus-run-session dbus-send; do
    if ! command -v "$tool" > /dev/null; then
        echo "screen reader tests: skipped, $tool is missing"
        exit 77
    fi
done
if [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "screen reader tests: skipped, the AT-SPI bus launcher is missing"
    exit 77
fi

work="$(mktemp -d /tmp/orvelles-orca.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../content" "$work/content"
mkdir -p "$work/home" && chmod 0700 "$work/home"

echo "screen reader tests: $program with Orca on Xvfb, its log in $out/orca/orca.log"
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
    -u AT_SPI_BUS_ADDRESS XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
    xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$here/orca_quiz.sh" "$program" \
    "$work/content" "$out" 2> >(grep -v '^dbus-daemon\|fd limit\|SpiRegistry' >&2)
