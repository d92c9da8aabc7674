#!/usr/bin/env bash
# Runs inside an X display and a session bus (see orca_board.sh): Orca speaks into its log while
# a pupil opens The Orvelles' labelling board, lifts each label, goes along the boxes to the one
# it belongs in and places it, then checks the score; then the same on the ordering board (the
# family tree). Every step is checked against what Orca said after the key that caused it.
#
#   orca_board_road.sh PROGRAM CONTENT OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
program="$1"
work="$2"
E2E_OUT="$3"

start_window_manager
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
if ! wait_until 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress > /dev/null 2>&1; then
    echo "screen reader on the boards: skipped, the accessibility bus did not start"
    exit 77
fi

# Orca with preferences of its own, its log written line by line as each phrase is spoken.
log="$E2E_OUT/orca.log"
prefs="$E2E_OUT/orca-prefs"
mkdir -p "$prefs"
cat > "$prefs/orca-customizations.py" << 'PY'
import orca.debug as _d
if _d.debugFile is not None:
    _d.debugFile.reconfigure(line_buffering=True)
PY
: > "$log"
orca --debug-file="$log" -u "$prefs" < /dev/null > "$E2E_OUT/orca.out" 2>&1 &
orca=$!
stop_all() {
    kill "${E2E_PID:-}" "$orca" "$bus" "$E2E_WM" 2> /dev/null
    # Orca may take its time over a plain request to stop.
    wait_until 30 bash -c "! kill -0 $orca 2> /dev/null" || kill -9 "$orca" 2> /dev/null
}
if ! wait_until 900 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log"; then
    echo "screen reader on the boards: skipped, Orca did not come up (see $E2E_OUT/orca.out)"
    stop_all
    exit 77
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_program

# Every phrase Orca has spoken after line $1 of its log, one a line.
spoken_since() {
    tail -n +"$(($1 + 1))" "$log" | sed -n "s/.*SPEECH OUTPUT: '//p" | sed "s/' *{.*//; s/' *$//"
}
mark() { wc -l < "$log"; }
# said MARK TEXT: Orca has said TEXT, as a phrase or part of one, since MARK; waits up to 5 s.
said() {
    local i
    for ((i = 0; i < 50; i++)); do
        spoken_since "$1" | grep -qF -- "$2" && return 0
        sleep 0.1
    done
    return 1
}
# press KEY TEXT: presses KEY and waits for Orca to say TEXT; fails quietly when it does not.
press() {
    local at
    at="$(mark)"
    xdotool key "$1"
    said "$at" "$2"
}
# tab_to TEXT: Tab until Orca says TEXT (at most 30 times).
tab_to() {
    local i
    for ((i = 0; i < 30; i++)); do
        press Tab "$1" && return 0
    done
    return 1
}
# spoke WHAT KEY TEXT: a check that KEY makes Orca say TEXT.
spoke() {
    if press "$2" "$3"; then pass "$1: '$3'"; else fail "$1: Orca did not say '$3'"; fi
}

# The board's labels in order, each with the words of its box: "caption<TAB>where".
labels_of() {
    /usr/bin/python3 - "$work/topics/orvelles/topic.json" "$1" << 'PY'
import json, sys
for label in json.load(open(sys.argv[1]))[sys.argv[2]]["labels"]:
    print(label["text"] + "\t" + label["where"])
PY
}

# board KIND ENTRY: opens the board from The Orvelles' topic menu and places every label by keys
# in its own box, then checks the score.
board() {
    local kind="$1" entry="$2" caption where count placed=0 dropped=0
    echo "The $kind board by keys, with Orca"
    tab_to "$entry push button" || fail "Tab never reached $entry"
    key Return
    wait_screen
    count="$(labels_of "$kind" | wc -l)"
    while IFS=$'\t' read -r caption where; do
        placed=$((placed + 1))
        if ! tab_to "$caption push button"; then
            fail "Tab never reached the label $caption"
            continue
        fi
        spoke "Enter lifts $caption" Return "$caption lifted"
        # Along the boxes until Orca names the one the label belongs in.
        local i found=""
        for ((i = 0; i < count; i++)); do
            at="$(mark)"
            xdotool key Right
            said "$at" "box " || break
            found="$(spoken_since "$at" | grep -F ", $where, empty" | tail -n 1)"
            [ -n "$found" ] && break
        done
        if [ -z "$found" ]; then
            fail "Right never named the box $where"
            continue
        fi
        [ "$placed" = 1 ] && pass "Right names each box: '$found'"
        dropped="$(mark)"
        spoke "Enter places $caption" Return "placed in $(grep -o 'box [0-9]*' <<< "$found")"
    done < <(labels_of "$kind")
    check "after the last label, the focus is on Check Score" said "$dropped" "Check Score push button"
    window_shot "orca-$kind-full" > /dev/null
    spoke "Check Score tells the score" Return "scored $count out of $count"
    # Back from the results to the board, and from the board to the topic menu.
    tab_to "Exit push button" && key Return
    wait_screen
    tab_to "Exit push button" && key Return
    # Leaving a board with labels placed may be asked about first.
    if wait_until 20 top_is_box; then key alt+y; fi
    wait_screen
}

wait_screen
tab_to "The Orvelles push button" || fail "Tab never reached The Orvelles"
key Return
wait_screen
board labelling "Labelling Activity"
board ordering "Ordering Activity"

stop_all
echo "$E2E_CHECKS checks, $E2E_FAILURES failed; Orca's log in $log"
[ "$E2E_FAILURES" -eq 0 ]
