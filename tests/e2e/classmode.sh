#!/usr/bin/env bash
# Runs inside an X display (see run.sh), in a copy of the content of its own: class mode on, a
# pupil signs in by typing a first name, does the Rich and Poor quiz with three wrong, and the
# teacher opens Class Results with Ctrl+R on the catalogue; then the school's script writes the
# record as CSV and the entry must be there with the pupil's answers.
#
#   classmode.sh PROGRAM WORK OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
road_args "$@"
export ORVELLES_CLASS_MODE=1 ORVELLES_MACHINE=e2e-pc

echo "Class mode: sign in, a quiz with three wrong, the teacher's view, the record as CSV"
start_window_manager
# The sign-in box can stand over the main menu before the main menu was ever on top.
E2E_FIRST_WINDOW=any_window start_program

if wait_until 100 top_is_box; then
    pass "class mode asks who is using the program ($(window_size "$(top_window)"))"
    window_shot_box class-sign-in > /dev/null
    type_text "Amy"
    key Return
    wait_screen
else
    fail "class mode asked nobody to sign in"
fi
window_shot class-main-menu > /dev/null

click_twips 3480 3720 3075 375 # Rich and Poor
wait_screen
click_twips 120 7920 3195 495 # Multiple Choice
wait_screen
file="$work/multiple/Rich and Poor.txt"
for q in $(seq 1 10); do
    answer="$(correct_answer "$file" "$q")"
    case "$q" in 2 | 5 | 9) answer=$((answer % 4 + 1)) ;; esac
    click_twips 2400 $((5400 + 600 * (answer - 1))) 600 525
    click_twips 6000 7920 3765 495 # Next
done
wait_screen
sleep 0.6
window_shot class-results > /dev/null
click_twips 240 1800 3765 495 # Check Wrong Answers
wait_screen
window_shot class-wrong-answers > /dev/null
click_twips 8760 960 3045 495 # Try these again
wait_screen
# Questions 2, 5 and 9 again: 5 wrong once more.
for q in 2 5 9; do
    answer="$(correct_answer "$file" "$q")"
    [ "$q" = 5 ] && answer=$((answer % 4 + 1))
    click_twips 2400 $((5400 + 600 * (answer - 1))) 600 525
    click_twips 6000 7920 3765 495 # Next, then Check Score
done
wait_screen
sleep 0.6
window_shot class-retry-results > /dev/null
click_twips 240 1800 3765 495 # Check Wrong Answers
wait_screen
right="$(sed -n "$((3 + 7 * 4 + $(correct_answer "$file" 5)))p" "$file" | tr -d '\r')"
shown="$(window_shot class-retry-answers)"
if command -v tesseract > /dev/null; then
    check "after the retry the review shows question 5's right answer ($right)" \
        bash -c "tesseract '$shown' stdout 2> /dev/null | grep -qF 'Answer: $right'"
else
    echo "  the review's answer read by OCR: skipped, tesseract is missing"
fi
click_twips 10560 7920 1245 495 # Exit the review
wait_screen
click_twips 10560 7920 1245 495 # Exit the topic menu
wait_screen

click_twips 6960 6600 4635 495 # Worksheet Catalogue
wait_screen
key ctrl+r
if wait_until 100 top_is_box; then
    pass "Ctrl+R on the catalogue opens Class Results ($(window_size "$(top_window)"))"
    window_shot_box class-results-view > /dev/null
    key Escape
    wait_screen
else
    fail "Ctrl+R on the catalogue opened nothing"
fi
kill "$E2E_PID" 2> /dev/null
wait "$E2E_PID" 2> /dev/null

csv="$E2E_OUT/class-record.csv"
(cd "$work" && "$program" --results csv "$csv") > "$E2E_OUT/results.log" 2>&1
check "--results writes the record: the quiz and the retry" \
    grep -q "^Wrote 2 entries" "$E2E_OUT/results.log"
check "the entry is Amy's Rich and Poor quiz, 7 out of 10" \
    grep -qE '^[^,]*,[^,]*,Amy,e2e-pc,Rich and Poor,Multiple Choice,7,10,' "$csv"
check "questions 2, 5 and 9 are recorded wrong, the others right" \
    bash -c "grep -E ',Amy,.*,Multiple Choice,' '$csv' | tr ' ,' '\n\n' | awk -F: 'NF == 3 && \$1 ~ /^[0-9]+$/ {
        if ((\$2 != \$3) != (\$1 == 2 || \$1 == 5 || \$1 == 9)) bad = 1; n++ }
        END { exit !(n == 10 && !bad) }'"
check "the retry is recorded: questions 2, 5 and 9, 2 out of 3" \
    grep -qE ',Amy,e2e-pc,Rich and Poor,Try these again,2,3,"?2:[A-D]:[A-D] 5:' "$csv"
kill "$E2E_WM" 2> /dev/null
echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
