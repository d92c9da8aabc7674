#!/usr/bin/env bash
# Runs inside a 1920 by 1080 X display (see run.sh): starts the program full screen and walks
# a short pupil's road at 1.8 times the layout, clicking where the scaled controls are, then
# leaves full screen with F11.
#
#   fullscreen.sh PROGRAM WORK OUT
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
program="$1"
work="$2"
E2E_OUT="$3"
content="$work"
mkdir -p "$E2E_OUT"

openbox --sm-disable < /dev/null > "$E2E_OUT/openbox.log" 2>&1 &
wm=$!
wait_until 50 xprop -root _NET_SUPPORTING_WM_CHECK > /dev/null 2>&1 ||
    { echo "the window manager did not start"; exit 1; }
sleep 1

# 1920 by 1080 takes the 800 by 600 layout at 1.8 times: 1440 by 1080, 240 pixels in.
E2E_SCALE_TENTHS=18
E2E_SCREEN="1440 1080"
(cd "$work" && exec "$program" --full-screen) < /dev/null > "$E2E_OUT/program.log" 2>&1 &
E2E_PID=$!
export E2E_PID
if ! wait_until 300 top_is_screen; then
    echo "the program showed no full-screen window:"
    cat "$E2E_OUT/program.log"
    exit 1
fi

correct_answer() { tr -d '\r' < "$1" | sed -n "$((8 + 7 * ($2 - 1)))p" | tr -d ' '; }

# The program's windows with the size and place of the whole display.
backdrops() {
    local id
    for id in $(stacked_windows); do
        [ "$(window_size "$id")" = "1920 1080" ] && [ "$(window_origin "$id")" = "0 0" ] && echo "$id"
    done
}

echo "Full screen on 1920x1080: Rich and Poor"
wait_screen
picture="$(shot full-screen-main-menu)"
check "the main menu is 1440x1080" top_is_screen
check "the main menu is centred, 240 pixels in" test "$(window_origin "$(top_window)")" = "240 0"
check "one backdrop window covers the display" test "$(backdrops | wc -l)" = 1
check "the backdrop is the bottom window" test "$(stacked_windows | head -n 1)" = "$(backdrops)"
check "the backdrop is in the menu's colour on the left" pixel_is "$picture" 100 540 0,78,152
check "the backdrop is in the menu's colour on the right" pixel_is "$picture" 1820 540 0,78,152

before="$(top_window)"
click_twips 3480 3720 3075 375 # Rich and Poor
wait_screen
window_shot full-screen-topic > /dev/null
check "the topic menu opened over the main menu" test "$(top_window)" != "$before"
before="$(top_window)"
click_twips 120 7920 3195 495 # Multiple Choice
wait_screen
window_shot full-screen-quiz > /dev/null
check "the quiz opened over the topic menu" test "$(top_window)" != "$before"
check "the quiz is 1440x1080, centred" test "$(window_origin "$(top_window)")" = "240 0"

# Every question answered right, so the results ask for a name: a wrong place clicked on
# the way shows as a missing name box.
file="$content/multiple/Rich and Poor.txt"
for q in $(seq 1 10); do
    click_twips 2400 $((5400 + 600 * ($(correct_answer "$file" "$q") - 1))) 600 525
    click_twips 6000 7920 3765 495 # Next question
done
wait_screen
sleep 0.6
picture="$(window_shot full-screen-results)"
# The 1x checks' pixel (230, 470) at 1.8 times.
check "full marks at 1.8x: the results ask for a name" pixel_is "$picture" 414 846 255,255,255
click_twips 10560 7920 1245 495 # Exit the results
wait_screen

key F11
E2E_SCALE_TENTHS=10
E2E_SCREEN="800 600"
if wait_until 100 top_is_screen; then
    pass "F11 gives back an 800x600 window"
else
    fail "F11 gives back an 800x600 window (the top one is $(window_size "$(top_window)"))"
fi
sleep 0.4
shot full-screen-left > /dev/null
check "the backdrop is gone" test -z "$(backdrops)"
check "the topic menu is still the top screen" \
    shows_picture "$(window_shot full-screen-left-topic)" "$content/images/richpoor.jpg" 11 72
click_twips 10560 7920 1245 495 # Exit the topic menu
wait_screen
click_twips 10560 7920 1245 495 # Exit on the main menu: the title screen
sleep 0.8
click_twips 2760 5910 1335 375 # Exit
finish_road "$wm"
