#!/usr/bin/env bash
# Runs inside an X display (see run.sh): starts a window manager and the program in the
# working folder WORK, then walks a pupil's quiz and a teacher's worksheet with the pointer
# and the keyboard, checking the screen and the files on the way.
#
#   roads.sh PROGRAM WORK OUT PRINTING(yes/no)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
road_args "$@"
printing="$4"

start_window_manager
start_program

# Quiz screen: answer N is an option button; its text starts at its left edge.
choose_answer() { click_twips 2400 $((5400 + 600 * ($1 - 1))) 600 525; }
next_question() { click_twips 6000 7920 3765 495; }

# Answers the ten questions of FILE, all correctly except question WRONG (0: none).
answer_quiz() {
    local file="$1" wrong="$2" q answer
    for q in $(seq 1 10); do
        answer="$(correct_answer "$file" "$q")"
        [ "$q" = "$wrong" ] && answer=$((answer % 4 + 1))
        choose_answer "$answer"
        next_question
    done
    wait_screen
}

screens_open() { stacked_windows | wc -l; }

# The results screen shows the globe, and a name box only for a full score.
check_results() {
    local name="$1" full="$2" picture
    sleep 0.6
    picture="$(window_shot "$name")"
    check "$name: results screen shows the globe" \
        shows_picture "$picture" "$content/images/globesm.jpg" 392 96
    if [ "$full" = yes ]; then
        check "$name: full marks ask for a name" pixel_is "$picture" 230 470 255,255,255
    else
        check "$name: no name box without full marks" pixel_is "$picture" 230 470 0,78,152
    fi
}

quiz_road() {
    echo "A pupil's quiz: Rich and Poor"
    local file="$content/multiple/Rich and Poor.txt" picture
    wait_screen
    picture="$(window_shot main-menu)"
    check "main menu is up, 800x600" top_is_screen
    check "main menu shows the globe" shows_picture "$picture" "$content/images/globesm.jpg" 482 104

    click_twips 3480 3720 3075 375 # Rich and Poor
    wait_screen
    picture="$(window_shot topic-rich)"
    check "the topic menu shows its picture" \
        shows_picture "$picture" "$content/images/richpoor.jpg" "$(topic_picture_left)" "$(topic_picture_top)"

    click_twips 120 7920 3195 495 # Multiple Choice
    wait_screen
    picture="$(window_shot quiz-question-1)"
    check "the quiz shows the topic's small picture" \
        shows_picture "$picture" "$content/images/richandpoorsm.jpg" 432 16 273 100
    answer_quiz "$file" 3
    check_results results-one-wrong no

    local before
    before="$(screens_open)"
    click_twips 240 1800 3765 495 # Check Wrong Answers
    wait_screen
    window_shot wrong-answers > /dev/null
    check "the review opens over the results" test "$(screens_open)" -gt "$before"
    click_twips 10560 7920 1245 495 # Exit the review, which closes the results too
    wait_screen
    picture="$(window_shot topic-again)"
    check "back on the topic menu" \
        shows_picture "$picture" "$content/images/richpoor.jpg" "$(topic_picture_left)" "$(topic_picture_top)"

    click_twips 120 7920 3195 495 # Multiple Choice again, every answer right this time
    wait_screen
    answer_quiz "$file" 0
    check_results results-full yes
    sleep 0.3
    type_text "Mary Seacombe"
    click_twips 240 1800 3765 495 # Print Certificate
    dismiss_box certificate-message
    click_twips 10560 7920 1245 495 # Exit the results
    wait_screen
    click_twips 10560 7920 1245 495 # Exit the topic menu
    wait_screen
}

# The Rich and Poor menu's picture stands 1080 twips down.
topic_picture_top() { echo 72; }
# and is centred: (800 - 778) / 2.
topic_picture_left() { echo 11; }

source "$here/worksheet.sh"
source "$here/printouts.sh"
source "$here/ships.sh"

quiz_road
ships_road
worksheet_road
[ "$printing" = yes ] && printouts_road

echo "Leaving by the title screen's Exit"
click_twips 10560 7920 1245 495 # Exit on the main menu opens the title screen
sleep 0.8
check "the title screen is up" test "$(window_size "$(top_window)")" = "364 438"
window_shot_box title > /dev/null
click_twips 2760 5910 1335 375 # Exit
finish_road "$E2E_WM"
