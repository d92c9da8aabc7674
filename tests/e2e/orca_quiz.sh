#!/usr/bin/env bash
# Runs inside a display and a session bus (see orca.sh): a pupil's quiz to full marks by keys
# alone with Orca listening, checking at each step what Orca says: the screen's name as it
# opens, each question as it appears, the answer chosen with its state, and the score.
#
#   orca_quiz.sh PROGRAM WORK OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
road_args "$@"

start_window_manager
start_a11y_bus "screen reader tests"
if ! start_orca "$E2E_OUT/orca"; then
    kill "$E2E_BUS" "$E2E_WM" 2> /dev/null
    exit 77
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# heard WHAT MARK TEXT: Orca said TEXT after MARK.
heard() {
    if orca_said "$2" "$3"; then
        pass "$1: \"$3\""
    else
        fail "$1: Orca did not say \"$3\"; it said: $(orca_spoken_since "$2" | tr '\n' '|')"
    fi
}

tabs() { local i; for ((i = 0; i < $1; i++)); do key Tab; done; }

# Line N of question Q's block in the question file, as the screen shows it ("&" stands for a
# comma): 0 the question, 1 to 4 its answers.
question_line() { tr -d '\r' < "$1" | sed -n "$((3 + 7 * ($2 - 1) + $3))p" | tr '&' ','; }

file="$content/multiple/Rich and Poor.txt"
mark="$(orca_mark)"
start_program
wait_screen
heard "the main menu says where the pupil is" "$mark" "Main Menu"
tabs 4 # from Sound On: the Guide, The Orvelles, Ships and Explorers, Rich and Poor
mark="$(orca_mark)"
key Return
wait_screen
heard "the topic menu says its name" "$mark" "Rich and Poor"
tabs 3 # Key Facts, Teacher's Notes, Multiple Choice
mark="$(orca_mark)"
key Return
wait_screen
heard "the quiz says its name" "$mark" "Rich and Poor – Multiple Choice"
heard "and its first question" "$mark" "Question 1. $(question_line "$file" 1 0)"
for q in $(seq 1 10); do
    answer="$(correct_answer "$file" "$q")"
    asked="$(orca_mark)"
    key Tab
    heard "question $q: Tab reaches the first answer" "$asked" "$(question_line "$file" "$q" 1)."
    heard "question $q: none chosen" "$asked" "not selected radio button"
    mark="$(orca_mark)"
    [ "$answer" = 1 ] && key space
    for ((i = 1; i < answer; i++)); do key Down; done
    heard "question $q: the answer chosen" "$asked" "$(question_line "$file" "$q" "$answer")"
    check "question $q: and its state, selected" \
        wait_until 50 eval 'orca_spoken_since "$mark" | grep -qx "selected\( radio button\)\?"'
    mark="$(orca_mark)"
    key Return
    sleep 0.3
    [ "$q" -lt 10 ] && heard "question $((q + 1)) is read out" "$mark" \
        "Question $((q + 1)). $(question_line "$file" $((q + 1)) 0)"
done
wait_screen
heard "the results say their name" "$mark" "Results"
heard "and the score" "$mark" "You have scored 10 out of 10."
heard "the name box is named" "$mark" "Your name for the certificate"
window_shot orca-results > /dev/null

stop_program() { kill "$E2E_PID" 2> /dev/null; wait "$E2E_PID" 2> /dev/null; }
stop_program
stop_orca
kill "$E2E_BUS" "$E2E_WM" 2> /dev/null
echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
