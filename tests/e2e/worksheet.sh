# A teacher's road, sourced by roads.sh: writes a worksheet in the wizard, saves it, finds it
# in the catalogue, prints it and opens it as a quiz.

WORKSHEET_TITLE="Castles and Keeps"

# The wizard's blocks: questions 1 to 5 on the left, 6 to 10 on the right, 1440 twips apart.
question_left() { if [ "$1" -le 5 ]; then echo 240; else echo 6120; fi; }
question_top() { echo $((1440 * (($1 - 1) % 5))); }

# The tick box of answer A (0) to D (3) of question Q.
tick_answer() {
    local q="$1" a="$2" x y
    x="$(question_left "$q")"
    if [ $((a % 2)) -eq 0 ]; then x=$((x + 240)); else x=$((x + 3090)); fi
    if [ "$a" -lt 2 ]; then y=1230; else y=1560; fi
    click_twips "$x" $((y + $(question_top "$q"))) 255 315
}

# The teacher's choice of the right answer of question Q: A, B, C, D, A, ...
teacher_answer() { echo $(( ($1 - 1) % 4 )); }

fill_wizard() {
    click_twips 7560 120 4215 375 # the title box
    type_text "$WORKSHEET_TITLE"
    key Return
    local q a
    for q in $(seq 1 10); do
        type_text "Who lived in keep number $q?"
        key Return
        for a in 0 1 2 3; do
            type_text "Answer $a of $q"
            key Return
        done
    done
    for q in $(seq 1 10); do
        tick_answer "$q" "$(teacher_answer "$q")"
    done
}

# What the saved file must hold: title, then per question a blank line, the question, the
# four answers and the number of the right one, in CR LF lines.
expected_worksheet() {
    local q a
    printf '%s\r\n' "$WORKSHEET_TITLE"
    for q in $(seq 1 10); do
        printf ' \r\nWho lived in keep number %s?\r\n' "$q"
        for a in 0 1 2 3; do printf 'Answer %s of %s\r\n' "$a" "$q"; done
        printf '%s\r\n' $(( $(teacher_answer "$q") + 1 ))
    done
}

saved_as_typed() {
    local file="$content/multiple/$WORKSHEET_TITLE.txt"
    [ -f "$file" ] || return 1
    # Compared line by line, whatever the separator between blocks is written as.
    diff <(tr -d '\r' < "$file" | grep -v '^ *$') <(expected_worksheet | tr -d '\r' | grep -v '^ *$') \
        > "$E2E_OUT/worksheet.diff"
}

worksheet_road() {
    echo "A teacher's worksheet: $WORKSHEET_TITLE"
    click_twips 6960 5760 4635 495 # Multiple Choice Wizard
    wait_screen
    fill_wizard
    window_shot wizard-filled > /dev/null
    click_twips 240 7920 3165 495 # Save Worksheet
    dismiss_box wizard-saved
    check "the worksheet file holds what was typed" saved_as_typed
    check "every line of it ends in CR LF" \
        test "$(grep -c $'\r$' "$content/multiple/$WORKSHEET_TITLE.txt")" -eq \
        "$(wc -l < "$content/multiple/$WORKSHEET_TITLE.txt")"
    check "the catalogue names it" file_has "$content/multiple/track.txt" "$WORKSHEET_TITLE"
    check "the catalogue counts one worksheet" \
        test "$(head -n 1 "$content/multiple/track.txt" | tr -d ' \r')" = 1
    click_twips 10560 7920 1245 495 # Exit the wizard
    wait_screen

    click_twips 6960 6600 4635 495 # Worksheet Catalogue
    wait_screen
    window_shot catalogue > /dev/null
    click_twips 120 720 5715 375 # the first name in the catalogue
    wait_screen
    local picture
    picture="$(window_shot worksheet-quiz)"
    check "the worksheet opens as a quiz with the globe" \
        shows_part_of "$picture" "$content/images/globesm.jpg" 432 16 273 169
    if [ "$printing" = yes ]; then
        click_twips 7920 1920 3045 495 # Print Worksheet
        sleep 1
        top_is_box && dismiss_box worksheet-print-message
    fi
    teacher_file="$content/multiple/$WORKSHEET_TITLE.txt"
    answer_quiz "$teacher_file" 0
    check_results worksheet-results yes
    click_twips 10560 7920 1245 495 # Exit the results: back to the catalogue
    wait_screen
    window_shot catalogue-again > /dev/null
    click_twips 9240 120 2535 375 # Delete Worksheet
    click_twips 120 720 5715 375  # the first name: the removal question
    if wait_until 100 top_is_box; then
        check "the removal question has an empty title" \
            test -z "$(window_name "$(top_window)" | tr -d ' ')"
        key Escape # Cancel: the worksheet stays
        wait_screen
    else
        fail "the removal question: no message box"
    fi
    check "a cancelled removal keeps the worksheet listed" \
        file_has "$content/multiple/track.txt" "$WORKSHEET_TITLE"
    click_twips 9240 120 2535 375 # untick Delete Worksheet
    click_twips 10560 7920 1245 495 # Exit the catalogue: back to the main menu
    wait_screen
    picture="$(window_shot main-menu-again)"
    check "back on the main menu" shows_picture "$picture" "$content/images/globesm.jpg" 482 104
}
