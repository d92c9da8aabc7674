#!/usr/bin/env bash
# Shows that the Debian package installs, runs and survives an upgrade with a teacher's work:
#
#   tests/package/prove-deb.sh OLD.deb NEW.deb [CHROOT]
#
# Without CHROOT, each package is unpacked into one scratch root (dpkg -x) and the program is
# run from there; with CHROOT (a Debian system made by debootstrap), the packages are installed
# there with dpkg -i and apt, and the program runs inside it as an ordinary user. Either way it
# shows its windows on an Xvfb display of this machine, where xdotool drives it: the first
# version saves a worksheet in the wizard, the second must still have it.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../e2e/lib.sh"
source "$here/../e2e/worksheet.sh"
old="$(realpath "$1")"
new="$(realpath "$2")"
chroot_dir="${3:-}"
E2E_OUT="$(mktemp -d /tmp/orvelles-deb.XXXXXX)"
echo "Package checks; pictures and logs in $E2E_OUT"

echo "The packages"
for deb in "$old" "$new"; do
    dpkg-deb -f "$deb" Package Version Depends | sed 's/^/    /'
done
contents="$(dpkg-deb -c "$new")"
for path in ./usr/bin/orvelles ./usr/share/applications/org.orvelles.Orvelles.desktop \
    ./usr/share/metainfo/org.orvelles.Orvelles.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/org.orvelles.Orvelles.png \
    ./usr/share/orvelles/content/multiple/track.txt "./usr/share/orvelles/content/images/globesm.jpg"; do
    check "it holds $path" grep -qF " $path" <<<"$contents"
done
if command -v lintian > /dev/null; then
    lintian --no-tag-display-limit "$new" > "$E2E_OUT/lintian.txt" 2>&1
    log "lintian: $(grep -c '^E:' "$E2E_OUT/lintian.txt") errors, $(grep -c '^W:' "$E2E_OUT/lintian.txt") warnings (see lintian.txt)"
fi

# The display, shared with the chroot through its socket.
display=":$((RANDOM % 400 + 100))"
# Without -noreset the server starts over when its first client (the check below) leaves,
# and a client connecting meanwhile is turned away.
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset > "$E2E_OUT/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY="$display"
wait_until 50 xdpyinfo > /dev/null 2>&1 || { echo "Xvfb did not start"; exit 1; }
openbox --sm-disable < /dev/null > "$E2E_OUT/openbox.log" 2>&1 &
wm=$!
wait_until 50 xprop -root _NET_SUPPORTING_WM_CHECK > /dev/null 2>&1 ||
    { echo "the window manager did not start"; cat "$E2E_OUT/openbox.log"; exit 1; }
sleep 1

root="$(mktemp -d /tmp/orvelles-root.XXXXXX)"
home="$root/home/pupil"
finish() {
    kill "$wm" "$xvfb" 2>/dev/null
    if [ -n "$chroot_dir" ]; then umount "$chroot_dir/tmp/.X11-unix" 2>/dev/null; fi
    rm -rf "$root"
}
trap finish EXIT

install_package() {
    if [ -z "$chroot_dir" ]; then
        dpkg -x "$1" "$root"
        return
    fi
    cp "$1" "$chroot_dir/tmp/orvelles.deb"
    chroot "$chroot_dir" sh -c 'dpkg -i /tmp/orvelles.deb > /tmp/dpkg.log 2>&1 ||
        (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -f)' \
        > "$E2E_OUT/install-$(basename "$1").log" 2>&1
}

installed_version() {
    if [ -z "$chroot_dir" ]; then echo "(unpacked)"; return; fi
    chroot "$chroot_dir" dpkg-query -W -f='${Version}' orvelles
}

# Starts the installed program as the user would from the desktop entry's Exec line.
start_program() {
    if [ -z "$chroot_dir" ]; then
        (cd / && exec env -u ORVELLES_FOLDER -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/orvelles") \
            < /dev/null > "$E2E_OUT/program-$1.log" 2>&1 &
        E2E_PID=$!
    else
        chroot "$chroot_dir" su - pupil -c "DISPLAY=$display exec orvelles" \
            < /dev/null > "$E2E_OUT/program-$1.log" 2>&1 &
        # The display is ours alone: the process behind its first window is the program.
        first_client() { xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*' | head -n 1; }
        wait_until 300 first_client > /dev/null
        wait_until 300 test -n "$(first_client)"
        E2E_PID="$(xdotool getwindowpid "$(first_client)")"
    fi
    wait_until 300 top_is_screen
}

leave_program() {
    click_twips 10560 7920 1245 495 # Exit on the main menu opens the title screen
    sleep 0.8
    click_twips 2760 5910 1335 375 # its Exit
    wait_until 100 bash -c "! kill -0 $E2E_PID 2>/dev/null"
}

if [ -n "$chroot_dir" ]; then
    mkdir -p "$chroot_dir/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$chroot_dir/tmp/.X11-unix"
    chroot "$chroot_dir" id pupil > /dev/null 2>&1 || chroot "$chroot_dir" useradd -m pupil
    home="$chroot_dir/home/pupil"
fi
folder="$home/.local/share/orvelles"
content="$folder"

echo "First version: $(basename "$old")"
install_package "$old"
log "installed version: $(installed_version)"
check "the program shows its main menu" start_program first
check "it made the user's folder with the catalogue" test -f "$folder/multiple/track.txt"
worksheet_saved() { [ -f "$folder/multiple/$WORKSHEET_TITLE.txt" ]; }
click_twips 6960 5760 4635 495 # Multiple Choice Wizard
wait_screen
fill_wizard
click_twips 240 7920 3165 495 # Save Worksheet
dismiss_box deb-wizard-saved
check "the worksheet was saved in the user's folder" saved_as_typed
click_twips 10560 7920 1245 495 # Exit the wizard
wait_screen
check "the program ended by itself" leave_program
kill "$E2E_PID" 2>/dev/null
sha_worksheet="$(sha256sum "$folder/multiple/$WORKSHEET_TITLE.txt" | cut -d' ' -f1)"
sha_catalogue="$(sha256sum "$folder/multiple/track.txt" | cut -d' ' -f1)"
# A built-in page the user's folder got wrong somehow, to be put right by the next start.
echo "scribbled" > "$folder/wmf/guide1.wmf"

echo "Upgrade: $(basename "$new")"
install_package "$new"
log "installed version: $(installed_version)"
check "the upgraded program shows its main menu" start_program second
window_shot deb-after-upgrade > /dev/null
check "the teacher's worksheet is unchanged" \
    test "$(sha256sum "$folder/multiple/$WORKSHEET_TITLE.txt" | cut -d' ' -f1)" = "$sha_worksheet"
check "the catalogue is unchanged" \
    test "$(sha256sum "$folder/multiple/track.txt" | cut -d' ' -f1)" = "$sha_catalogue"
check "the built-in page was put right" \
    cmp -s "$folder/wmf/guide1.wmf" "${chroot_dir:-$root}/usr/share/orvelles/content/wmf/guide1.wmf"
click_twips 6960 6600 4635 495 # Worksheet Catalogue
wait_screen
window_shot deb-catalogue > /dev/null
click_twips 120 720 5715 375 # the worksheet saved before the upgrade
wait_screen
check "the worksheet opens as a quiz after the upgrade" \
    shows_part_of "$(window_shot deb-worksheet-quiz)" \
    "${chroot_dir:-$root}/usr/share/orvelles/content/images/globesm.jpg" 432 16 273 169
kill "$E2E_PID" 2>/dev/null
echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
