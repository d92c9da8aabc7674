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
road_args "$@"

start_window_manager
start_a11y_bus "screen reader on the boards"
start_orca "$E2E_OUT" || { kill "$E2E_BUS" "$E2E_WM" 2> /dev/null; exit 77; }
log="$E2E_ORCA_LOG"
stop_all() {
    kill "${E2E_PID:-}" "$E2E_BUS" "$E2E_WM" 2> /dev/null
    stop_orca
}

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_program

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
    orca_tab_to "$entry push button" || fail "Tab never reached $entry"
    key Return
    wait_screen
    count="$(labels_of "$kind" | wc -l)"
    while IFS=$'\t' read -r caption where; do
        placed=$((placed + 1))
        if ! orca_tab_to "$caption push button"; then
            fail "Tab never reached the label $caption"
            continue
        fi
        orca_spoke "Enter lifts $caption" Return "$caption lifted"
        # Along the boxes until Orca names the one the label belongs in.
        local i found=""
        for ((i = 0; i < count; i++)); do
            at="$(orca_mark)"
            xdotool key Right
            orca_said "$at" "box " || break
            found="$(orca_spoken_since "$at" | grep -F ", $where, empty" | tail -n 1)"
            [ -n "$found" ] && break
        done
        if [ -z "$found" ]; then
            fail "Right never named the box $where"
            continue
        fi
        [ "$placed" = 1 ] && pass "Right names each box: '$found'"
        dropped="$(orca_mark)"
        orca_spoke "Enter places $caption" Return "placed in $(grep -o 'box [0-9]*' <<< "$found")"
    done < <(labels_of "$kind")
    check "after the last label, the focus is on Check Score" orca_said "$dropped" "Check Score push button"
    window_shot "orca-$kind-full" > /dev/null
    orca_spoke "Check Score tells the score" Return "scored $count out of $count"
    # Back from the results to the board, and from the board to the topic menu.
    orca_tab_to "Exit push button" && key Return
    wait_screen
    orca_tab_to "Exit push button" && key Return
    # Leaving a board with labels placed may be asked about first.
    if wait_until 20 top_is_box; then key alt+y; fi
    wait_screen
}

wait_screen
orca_tab_to "The Orvelles push button" || fail "Tab never reached The Orvelles"
key Return
wait_screen
board labelling "Labelling Activity"
board ordering "Ordering Activity"

stop_all
echo "$E2E_CHECKS checks, $E2E_FAILURES failed; Orca's log in $log"
[ "$E2E_FAILURES" -eq 0 ]
