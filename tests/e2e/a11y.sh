#!/usr/bin/env bash
# The program by keyboard alone, read through the accessibility bus: starts the AT-SPI bus in a
# private D-Bus session, runs the program with Qt's accessibility on, drives it with key presses
# only, and walks each screen's accessibility tree on the way (a11y_walk.py).
#
#   tests/e2e/a11y.sh PROGRAM [OUT]
#
# Without the bus or pyatspi the keyboard road still runs and the walk is skipped, saying so.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

program="$(realpath "$1")"
out="${2:-$(mktemp -d /tmp/orvelles-a11y-out.XXXXXX)}"
mkdir -p "$out"
out="$(realpath "$out")"

for tool in xvfb-run Xvfb openbox xdotool xprop import compare; do
    if ! command -v "$tool" > /dev/null; then
        echo "keyboard tests: skipped, $tool is missing"
        exit 0
    fi
done

work="$(mktemp -d /tmp/orvelles-a11y.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../content" "$work/content"
mkdir -p "$work/home" && chmod 0700 "$work/home"

# pyatspi is Debian's, so Debian's interpreter, whatever python3 is first on the PATH.
walker=(/usr/bin/python3 "$here/a11y_walk.py")
session=()
if [ -x /usr/libexec/at-spi-bus-launcher ] && command -v dbus-run-session > /dev/null &&
    "${walker[0]}" -c 'import pyatspi' 2> /dev/null; then
    session=(dbus-run-session --)
else
    echo "accessibility check: skipped, the AT-SPI bus, dbus-run-session or pyatspi is missing"
fi

echo "keyboard tests: $program on Xvfb, pictures in $out"
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
    -u AT_SPI_BUS_ADDRESS XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" A11Y_WALKER="${session:+${walker[*]}}" \
    xvfb-run -a -s "-screen 0 1024x768x24" "${session[@]}" "$here/keys.sh" "$program" \
    "$work/content" "$out" 2> >(grep -v '^dbus-daemon\|fd limit\|SpiRegistry' >&2)
