#!/usr/bin/env bash
# Runs inside a display and a session bus (see orca.sh): class mode with Orca listening. A pupil
# signs in by typing a name, does the Rich and Poor quiz with question 1 wrong, opens the wrong
# answers, takes "Try these again", gets it wrong again, and hears the right answer.
#
#   orca_class.sh PROGRAM WORK OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
road_args "$@"
export ORVELLES_CLASS_MODE=1 ORVELLES_MACHINE=orca-pc

start_window_manager
start_a11y_bus "screen reader in class mode"
start_orca "$E2E_OUT/orca-class" || { kill "$E2E_BUS" "$E2E_WM" 2> /dev/null; exit 77; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
echo "Class mode with Orca: sign in, a quiz with one wrong, Try these again, the right answer"

# heard WHAT MARK TEXT: a check that Orca said TEXT after MARK.
heard() {
    if orca_said "$2" "$3"; then
        pass "$1: \"$3\""
    else
        fail "$1: Orca did not say \"$3\"; it said: $(orca_spoken_since "$2" | tr '\n' '|')"
    fi
}
# Line N of question Q's block in the question file: 0 the question, 1 to 4 its answers.
question_line() { tr -d '\r' < "$1" | sed -n "$((3 + 7 * ($2 - 1) + $3))p" | tr '&' ','; }
# answer_with N: Tab to the first answer and choose answer N, then Enter goes on.
answer_with() {
    local i
    key Tab
    if [ "$1" = 1 ]; then key space; fi
    for ((i = 1; i < $1; i++)); do key Down; done
    key Return
    sleep 0.3
}

file="$work/multiple/Rich and Poor.txt"
mark="$(orca_mark)"
E2E_FIRST_WINDOW=any_window start_program
wait_until 100 top_is_box
heard "the sign-in box asks who is there" "$mark" "Who is using The Orvelles?"
type_text "Amy"
key Return
wait_screen
check "Tab reaches Rich and Poor" orca_tab_to "Rich and Poor push button"
key Return
wait_screen
check "Tab reaches Multiple Choice" orca_tab_to "Multiple Choice push button"
key Return
wait_screen
wrong=$(($(correct_answer "$file" 1) % 4 + 1))
mark="$(orca_mark)"
for q in $(seq 1 10); do
    if [ "$q" = 1 ]; then answer_with "$wrong"; else answer_with "$(correct_answer "$file" "$q")"; fi
done
wait_screen
heard "the score" "$mark" "You have scored 9 out of 10."
check "Tab reaches Check Wrong Answers" orca_tab_to "Check Wrong Answers push button"
key Return
wait_screen
check "Tab reaches Try these again" orca_tab_to "Try these again push button"
mark="$(orca_mark)"
key Return
wait_screen
heard "the retry asks question 1 under its own number" "$mark" \
    "Question 1. $(question_line "$file" 1 0)"
mark="$(orca_mark)"
answer_with "$wrong"
wait_screen
heard "the retry is scored out of one" "$mark" "You have scored 0 out of 1."
check "Tab reaches Check Wrong Answers after the retry" \
    orca_tab_to "Check Wrong Answers push button"
key Return
wait_screen
right="$(question_line "$file" 1 "$(correct_answer "$file" 1)")"
check "Tab on the wrong question reads its right answer" orca_tab_to "Answer: $right"
window_shot orca-class-answers > /dev/null

kill "$E2E_PID" 2> /dev/null
wait "$E2E_PID" 2> /dev/null
stop_orca
kill "$E2E_BUS" "$E2E_WM" 2> /dev/null
echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
