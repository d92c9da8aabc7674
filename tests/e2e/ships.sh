# The Ships and Explorers topic, sourced by roads.sh: its quiz with every answer right, both
# boards filled for full marks by mouse and a label moved on each by keyboard, and its key facts
# and teacher's notes, page by page.

ships_board() {
    local name="$1" entry="$2" width="$3" picture i x0 y0 x1 y1
    local -a from to
    read -r -a from <<< "$4"
    read -r -a to <<< "$5"
    click_twips "$entry" 7920 3195 495
    wait_screen
    window_shot "ships-$name" > /dev/null
    for i in "${!from[@]}"; do
        IFS=, read -r x0 y0 <<< "${from[i]}"
        IFS=, read -r x1 y1 <<< "${to[i]}"
        drag_twips "$x0" "$y0" "$width" 375 "$x1" "$y1" "$width" 375
    done
    window_shot "ships-$name-done" > /dev/null
    click_twips 6000 7920 2565 495 # Check Score, there once every box is filled
    wait_screen
    sleep 0.6
    picture="$(window_shot "ships-$name-results")"
    check "every label of the $name board in its box: the results ask for a name" \
        pixel_is "$picture" 230 470 255,255,255
    click_twips 10560 7920 1245 495 # Exit the results
    wait_screen
    click_twips 10560 7920 1245 495 # Exit the board
    wait_screen
}

# Opens a board again and moves its first label by keyboard: Tab to it, Enter lifts it, Right
# picks the next box, Enter drops it there; Escape asks, and Yes leaves.
ships_board_keys() {
    local name="$1" entry="$2" before after
    click_twips "$entry" 7920 3195 495
    wait_screen
    before="$(window_shot "ships-$name-keys")"
    key Tab
    key Return
    key Right
    key Return
    sleep 0.4
    after="$(window_shot "ships-$name-keys-dropped")"
    check "the $name board by keyboard: a label moved" \
        bash -c "! compare -metric AE -fuzz 2% '$before' '$after' null: 2> /dev/null"
    key Escape
    check "the $name board: Escape asks before the label's new place is lost" \
        wait_until 50 top_is_box
    key y
    wait_screen
}

# Opens a page viewer from the topic menu, checks both its pages show something, and closes it.
ships_pages() {
    local name="$1" left="$2" width="$3" first second
    click_twips "$left" 120 "$width" 495
    wait_screen
    first="$(window_shot "ships-$name-1")"
    check "$name, page 1 is drawn" not_plain "$first"
    click_twips 6720 7920 2685 495 # Next Page
    sleep 0.6
    second="$(window_shot "ships-$name-2")"
    check "$name, page 2 is another page" \
        bash -c "! compare -metric AE '$first' '$second' null: 2> /dev/null"
    click_twips 10680 7920 1125 495 # Exit
    wait_screen
}

ships_road() {
    echo "Ships and Explorers by mouse"
    local file="$content/multiple/Ships and Explorers.txt" picture
    click_twips 3480 2280 3075 375 # Ships and Explorers
    wait_screen
    picture="$(window_shot ships-topic)"
    # 760 by 440, centred, 840 twips down.
    check "the topic menu shows the ship" shows_picture "$picture" "$content/images/ships.jpg" 20 56

    click_twips 120 7920 3195 495 # Multiple Choice
    wait_screen
    picture="$(window_shot ships-quiz)"
    check "the quiz shows the small ship" \
        shows_picture "$picture" "$content/images/shipssm.jpg" 432 16 273 100
    answer_quiz "$file" 0
    check_results ships-results yes
    click_twips 10560 7920 1245 495 # Exit the results
    wait_screen

    # Label i starts in its home slot and scores in target box i (topics/ships/topic.json).
    ships_board labelling 3600 1845 \
        "6240,7440 1440,6960 8640,7440 3840,6960 1440,7440 8640,6960 3840,7440 6240,6960" \
        "3300,1650 3300,2400 9450,2220 4500,6060 10020,4110 450,3660 450,5310 9960,5160"
    ships_board ordering 7080 5685 \
        "6120,6360 3120,6840 120,5880 6120,5880 120,6360" \
        "4200,4440 4200,2040 4200,3840 4200,2640 4200,3240"

    ships_board_keys labelling 3600
    ships_board_keys ordering 7080

    ships_pages key-facts 6360 1995
    ships_pages teachers-notes 8640 3195
    click_twips 10560 7920 1245 495 # Exit the topic menu
    wait_screen
}
