# A teacher's paper, sourced by roads.sh: the Rich and Poor quiz's answer key from the topic
# menu, and its labelling board as a task, each through a right-click menu. run.sh reads the
# words of both back from the documents the queue was handed.

# Picks the first entry of the right-click menu that has just opened, with the keyboard.
pick_first_entry() {
    sleep 0.6
    key Down
    key Return
}

printouts_road() {
    echo "A teacher's paper: an answer key and a board"
    click_twips 3480 3720 3075 375 # Rich and Poor
    wait_screen
    right_click_twips 120 7920 3195 495 # Multiple Choice: its answer key
    window_shot answer-key-menu > /dev/null
    pick_first_entry
    dismiss_box answer-key-message

    click_twips 3600 7920 3195 495 # Labelling Activity
    wait_screen
    window_shot board-before-print > /dev/null
    right_click_twips 165 1080 11670 4875 # the board's picture
    window_shot board-print-menu > /dev/null
    pick_first_entry # Print this activity
    dismiss_box board-print-message
    click_twips 10560 7920 1245 495 # Exit the board
    wait_screen
    click_twips 10560 7920 1245 495 # Exit the topic menu
    wait_screen
}
