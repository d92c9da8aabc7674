#!/usr/bin/env bash
# Runs inside an X display (see a11y.sh): a pupil's quiz, a labelling and an ordering board, a
# worksheet written in the wizard and opened from the catalogue, by key presses alone, no pointer. With A11Y_WALKER set, the program runs with Qt's accessibility on and each
# screen's accessibility tree is walked on the way.
#
#   keys.sh PROGRAM WORK OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
road_args "$@"
read -r -a walker <<< "${A11Y_WALKER:-}"

start_window_manager

if [ ${#walker[@]} -gt 0 ]; then
    # Qt joins the accessibility bus only if it is there when the program starts.
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress > /dev/null 2>&1; then
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    else
        echo "accessibility check: skipped, the AT-SPI bus did not start"
        walker=()
    fi
fi

# Each road starts a fresh run on the main menu, so it begins where its first Tab is known.
stop_program() {
    kill "$E2E_PID" 2> /dev/null
    wait "$E2E_PID" 2> /dev/null
}
start_program

# walk NAME: every control on the screens now open has a role and a name, every window a name.
walked=0
walk() {
    [ ${#walker[@]} -gt 0 ] || return 0
    local summary status
    summary="$("${walker[@]}" "$E2E_PID" "$1")"
    status=$?
    printf '%s\n' "$summary" >> "$E2E_OUT/a11y.txt"
    if [ "$status" -eq 0 ]; then
        walked=$((walked + 1))
        pass "accessibility: ${summary#  }"
    else
        fail "accessibility: $summary"
    fi
}

# What has the keyboard focus, as the screen reader hears it; empty without the bus.
focused() { [ ${#walker[@]} -gt 0 ] && "${walker[@]}" "$E2E_PID" --focused; }

# check_focus WHAT ROLE_AND_NAME: checked only where the bus is up.
check_focus() {
    [ ${#walker[@]} -gt 0 ] || return 0
    local now
    now="$(focused)"
    if [ "$now" = "$2" ]; then pass "$1 ($now)"; else fail "$1: the focus is on '$now', not '$2'"; fi
}

# tabs N: N presses of Tab.
tabs() { local i; for ((i = 0; i < $1; i++)); do key Tab; done; }

keyboard_quiz() {
    echo "A pupil's quiz by keyboard: Rich and Poor"
    local file="$content/multiple/Rich and Poor.txt" picture q answer i
    wait_screen
    walk "main menu"
    # Sound On starts with the focus; then the Guide, The Orvelles, Ships and Explorers, Rich
    # and Poor.
    tabs 4
    check_focus "Tab reaches Rich and Poor" "push button: Rich and Poor"
    key Return
    wait_screen
    picture="$(window_shot keys-topic)"
    check "Enter opened the topic menu" shows_picture "$picture" "$content/images/richpoor.jpg" 11 72
    walk "topic menu"
    tabs 3 # Key Facts, Teacher's Notes, Multiple Choice
    check_focus "Tab reaches Multiple Choice" "push button: Multiple Choice"
    key Return
    wait_screen
    window_shot keys-quiz > /dev/null
    walk "quiz"
    # Question 3 is answered wrong, the rest right. Each question comes with the focus on its
    # answers, none chosen: Tab reaches the first, Space chooses it, Down the next.
    for q in $(seq 1 10); do
        answer="$(correct_answer "$file" "$q")"
        [ "$q" = 3 ] && answer=$((answer % 4 + 1))
        key Tab
        [ "$answer" = 1 ] && key space
        for ((i = 1; i < answer; i++)); do key Down; done
        [ "$q" = 1 ] && check_focus "the arrows choose an answer" \
            "radio button: $(tr -d '\r' < "$file" | sed -n "$((3 + answer))p")"
        key Return
        sleep 0.2
    done
    wait_screen
    sleep 0.6
    picture="$(window_shot keys-results)"
    check "the results screen shows the globe" \
        shows_picture "$picture" "$content/images/globesm.jpg" 392 96
    check "nine right: no name box" pixel_is "$picture" 230 470 0,78,152
    walk "results"
    key Escape # the results
    wait_screen
    picture="$(window_shot keys-topic-again)"
    check "Escape went back to the topic menu" \
        shows_picture "$picture" "$content/images/richpoor.jpg" 11 72
}

# Whether two window pictures differ beyond a decoder's rounding.
pictures_differ() {
    local error
    error="$(compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')"
    [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e > 0.002) }'
}

keyboard_board() {
    echo "A labelling board by keyboard"
    local before lifted after
    tabs 1 # the focus came back to Multiple Choice; Labelling Activity is next
    check_focus "Tab reaches Labelling Activity" "push button: Labelling Activity"
    key Return
    wait_screen
    walk "labelling board"
    before="$(window_shot keys-board)"
    key Tab
    key Return # lift the first label
    lifted="$(window_shot keys-board-lifted)"
    check "Enter lifts a label" pictures_differ "$before" "$lifted"
    key Right
    key Return # drop it into the highlighted box
    sleep 0.4
    after="$(window_shot keys-board-dropped)"
    check "Enter drops it somewhere new" pictures_differ "$before" "$after"
    key Escape
    check "Escape asks before the label's new place is lost" wait_until 50 top_is_box
    key y
    wait_screen
}

# same_patch BEFORE AFTER W H X1 Y1 X2 Y2: whether the W x H patch at X1,Y1 of one window
# picture is seen again at X2,Y2 of the other, allowing for a focus outline drawn over it.
same_patch() {
    convert "$1" -crop "${3}x${4}+$5+$6" +repage "$E2E_OUT/.was.png" &&
        convert "$2" -crop "${3}x${4}+$7+$8" +repage "$E2E_OUT/.now.png" || return 1
    local error
    error="$(compare -metric RMSE "$E2E_OUT/.was.png" "$E2E_OUT/.now.png" null: 2>&1 |
             sed -n 's/.*(\(.*\)).*/\1/p')"
    rm -f "$E2E_OUT/.was.png" "$E2E_OUT/.now.png"
    [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e < 0.08) }'
}

not_same_patch() { ! same_patch "$@"; }

keyboard_ordering() {
    echo "An ordering board by keyboard: true or false"
    local before after
    tabs 1 # the focus came back to Labelling Activity; Ordering Activity is next
    check_focus "Tab reaches Ordering Activity" "push button: Ordering Activity"
    key Return
    wait_screen
    walk "ordering board"
    before="$(window_shot keys-ordering)"
    # The first label in reading order starts at 120,5880 twips; the first box is at 120,2520.
    key Tab
    check_focus "Tab reaches the first label" \
        "push button: Rich people had small houses and helped the poor"
    key Return
    key Right
    key Return
    key Tab # a placed label keeps the focus; its ring moves on before the picture
    sleep 0.4
    after="$(window_shot keys-ordering-dropped)"
    check "Enter drops the label: the board changed" pictures_differ "$before" "$after"
    check "the label now sits in the first box" same_patch "$before" "$after" 379 25 8 392 8 168
    check "and has left its starting place" \
        not_same_patch "$before" "$after" 379 25 8 392 8 392
    key Escape
    check "Escape asks before the label's new place is lost" wait_until 50 top_is_box
    key y
    wait_screen
}

# The wizard's questions, answers and the file they make are the teacher's road's.
source "$here/worksheet.sh"
WORKSHEET_TITLE="Keys and Keeps"

keyboard_wizard() {
    echo "A teacher's worksheet by keyboard: $WORKSHEET_TITLE"
    local q a tick
    start_program
    wait_screen
    tabs 5 # Sound On, the Guide, the three topics, then the wizard
    check_focus "Tab reaches the wizard" "push button: Multiple Choice Wizard"
    key Return
    wait_screen
    walk "wizard"
    check_focus "the wizard opens on the title field" "text: Worksheet Title"
    # Enter in a field moves on: the title, then each question and its four answers.
    type_text "$WORKSHEET_TITLE"
    key Return
    for q in $(seq 1 10); do
        type_text "Who lived in keep number $q?"
        key Return
        for a in 0 1 2 3; do
            type_text "Answer $a of $q"
            [ "$q$a" = 103 ] || key Return
        done
    done
    # After the last answer, Tab goes through the forty tick boxes in order, then Save.
    for tick in $(seq 0 39); do
        key Tab
        [ "$tick" = 0 ] && check_focus "Tab goes from the last answer to the first tick box" \
            "check box: Question 1 answer A is right"
        [ $((tick % 4)) = "$(teacher_answer $((tick / 4 + 1)))" ] && key space
    done
    key Tab
    check_focus "Tab goes from the last tick box to Save Worksheet" "push button: Save Worksheet"
    window_shot keys-wizard-filled > /dev/null
    key Return
    dismiss_box keys-wizard-saved
    check "the worksheet file holds what was typed" saved_as_typed
    check "the catalogue names it" file_has "$content/multiple/track.txt" "$WORKSHEET_TITLE"
}

keyboard_catalogue() {
    echo "The worksheet catalogue by keyboard"
    local picture
    start_program
    wait_screen
    tabs 6 # as for the wizard, then the catalogue
    check_focus "Tab reaches the catalogue" "push button: Worksheet Catalogue"
    key Return
    wait_screen
    window_shot keys-catalogue > /dev/null
    walk "catalogue"
    check_focus "the catalogue opens on Edit Worksheet" "check box: Edit Worksheet"
    tabs 2 # Delete Worksheet, then the first name
    check_focus "Tab reaches the saved worksheet" "push button: $WORKSHEET_TITLE"
    key Return
    wait_screen
    picture="$(window_shot keys-worksheet-quiz)"
    check "Enter opens it as a quiz with the globe" \
        shows_part_of "$picture" "$content/images/globesm.jpg" 432 16 273 169
    walk "worksheet quiz"
}

keyboard_quiz
keyboard_board
keyboard_ordering

key Escape # the topic menu
wait_screen
wait_screen
key Escape # the main menu opens the title screen
sleep 0.8
check "Escape on the main menu opens the title screen" \
    test "$(window_size "$(top_window)")" = "364 438"
walk "title screen"
stop_program

keyboard_wizard
stop_program
keyboard_catalogue
stop_program
kill "$E2E_WM" 2> /dev/null
[ ${#walker[@]} -gt 0 ] && echo "accessibility: $walked screens walked, summaries in $E2E_OUT/a11y.txt"
echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
