#!/usr/bin/env bash
# Runs the program on a real X server (Xvfb with a window manager) as a user would, in a
# copy of the content folder, and prints through a private CUPS queue that writes PDF files.
#
#   tests/e2e/run.sh PROGRAM [OUT]
#
# OUT (default: a temporary folder) receives the screen pictures, the program's output and
# the printed PDFs. Exits 0 when every check passed or when the tools are missing (it says
# so), 1 when a check failed.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"
source "$here/cups.sh"

program="$(realpath "$1")"
out="${2:-$(mktemp -d /tmp/orvelles-e2e-out.XXXXXX)}"
mkdir -p "$out"
out="$(realpath "$out")"

for tool in xvfb-run Xvfb openbox xdotool xprop import compare pdftotext; do
    if ! command -v "$tool" > /dev/null; then
        echo "desktop tests: skipped, $tool is missing"
        exit 0
    fi
done

work="$(mktemp -d /tmp/orvelles-e2e.XXXXXX)"
cleanup() {
    stop_cups
    rm -rf "$work"
}
trap cleanup EXIT
# The print filters run as lp and must reach the CUPS server's folders inside.
chmod 0755 "$work"
cp -r "$here/../../content" "$work/content"
mkdir -p "$work/home"

printing=no
if start_cups "$work/cups"; then
    printing=yes
fi

echo "desktop tests: $program on Xvfb, pictures in $out"
# HOME stays, so fontconfig's cache is not built again for each run.
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
    xvfb-run -a -s "-screen 0 1024x768x24" "$here/roads.sh" "$program" "$work/content" "$out" \
    "$printing"
status=$?

# A short road in full screen, on a display the size of a classroom's whiteboard.
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
    xvfb-run -a -s "-screen 0 1920x1080x24" "$here/fullscreen.sh" "$program" "$work/content" \
    "$out/full-screen" || status=1

# Class mode, in a copy of the content of its own so that its record starts empty.
cp -r "$here/../../content" "$work/class"
env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
    xvfb-run -a -s "-screen 0 1024x768x24" "$here/classmode.sh" "$program" "$work/class" \
    "$out/class-mode" || status=1

# The PDF pages, as text in reading order.
pdf_text() { pdftotext -layout "$1" - | tr -s ' ' | sed 's/^ //'; }

# Whether the lines of the text in $1 hold the strings in $2..$n, in that order.
in_order() {
    local text="$1"
    shift
    local rest="$text" item
    for item in "$@"; do
        case "$rest" in
        *"$item"*) rest="${rest#*"$item"}" ;;
        *) return 1 ;;
        esac
    done
}

# Whether page 1 of two PDF files has the same layout: both drawn small and blurred, so that
# letters drawn from different fonts count for little. The same page scores under 0.01; a
# blank page, or the same one moved down by a line, above 0.05.
same_first_page() {
    pdftoppm -r 40 -f 1 -l 1 -png -singlefile "$1" "$out/.a" 2> /dev/null &&
        pdftoppm -r 40 -f 1 -l 1 -png -singlefile "$2" "$out/.b" 2> /dev/null || return 1
    convert "$out/.a.png" -blur 0x3 "$out/.a.png" && convert "$out/.b.png" -blur 0x3 "$out/.b.png"
    local error
    error="$(compare -metric RMSE "$out/.a.png" "$out/.b.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')"
    rm -f "$out/.a.png" "$out/.b.png"
    [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e < 0.025) }'
}

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

# The question file's line L as read back: without its CR, and with its commas, which the
# file keeps as "&".
file_line() { tr -d '\r' < "$1" | sed -n "${2}p" | tr '&' ','; }

# What the answer key of a question file must say, in reading order: each question, its right
# answer with the tick, and at the foot the key line.
expected_key() {
    local file="$1" q right line key=""
    for q in $(seq 1 10); do
        line=$((3 + 7 * (q - 1)))
        right="$(file_line "$file" $((line + 5)) | tr -d ' ')"
        file_line "$file" "$line"
        printf '%s \u2713\n' "$(file_line "$file" $((line + right)))"
        key+="${key:+, }$q ${LETTERS:right-1:1}"
    done
    printf 'Key: %s\n' "$key"
}
LETTERS=ABCD

# Whether every string in $2..$n is found exactly once in the text $1.
each_once() {
    local text="$1" item
    shift
    for item in "$@"; do
        [ "$(grep -oF -- "$item" <<<"$text" | wc -l)" -eq 1 ] || return 1
    done
}

if [ "$printing" = yes ]; then
    echo "Printed pages"
    if pdfs="$(wait_pdfs 4)"; then
        mapfile -t files <<<"$pdfs"
        cp "${files[0]}" "$out/printed-certificate.pdf"
        cp "${files[1]}" "$out/printed-worksheet.pdf"
        cp "$(job_document 1)" "$out/sent-certificate.pdf"
        cp "$(job_document 2)" "$out/sent-worksheet.pdf"
        # The queue's PDF writer turns the fonts into pictures of letters, so the words are
        # read from the document the program sent, and the printed pages are compared with it.
        certificate="$(pdf_text "$out/sent-certificate.pdf")"
        worksheet="$(pdf_text "$out/sent-worksheet.pdf")"
        printf '%s\n' "$certificate" > "$out/certificate.txt"
        printf '%s\n' "$worksheet" > "$out/worksheet.txt"
        check "the certificate is one page" test "$(pages "$out/printed-certificate.pdf")" = 1
        check "the worksheet is one page" test "$(pages "$out/printed-worksheet.pdf")" = 1
        check "the printed certificate looks as sent" \
            same_first_page "$out/printed-certificate.pdf" "$out/sent-certificate.pdf"
        check "the printed worksheet looks as sent" \
            same_first_page "$out/printed-worksheet.pdf" "$out/sent-worksheet.pdf"
        check "the certificate names the topic, the pupil and the score, in that order" \
            in_order "$certificate" "Well Done" "The Orvelles" "Excellent Work" "Mary Seacombe" \
            "You have scored 10 out of 10."
        check "the worksheet has its heading, title and ten questions in order" \
            in_order "$worksheet" "Quenmark Publishing Ltd" "The Orvelles" "Castles and Keeps" \
            $(for q in $(seq 1 10); do echo "Question $q"; done)
        check "each question of the worksheet has its four answers" \
            in_order "$worksheet" "Who lived in keep number 1?" "A. Answer 0 of 1" "B. Answer 1 of 1" \
            "C. Answer 2 of 1" "D. Answer 3 of 1" "Who lived in keep number 10?" "D. Answer 3 of 10"

        # The answer key and the board task; only the words the program sent are read.
        cp "$(job_document 3)" "$out/sent-answer-key.pdf"
        cp "$(job_document 4)" "$out/sent-board.pdf"
        key_text="$(pdf_text "$out/sent-answer-key.pdf")"
        board_text="$(pdf_text "$out/sent-board.pdf")"
        printf '%s\n' "$key_text" > "$out/answer-key.txt"
        printf '%s\n' "$board_text" > "$out/board.txt"
        questions="$work/content/multiple/Rich and Poor.txt"
        mapfile -t expected < <(expected_key "$questions")
        printf '%s\n' "${expected[@]}" > "$out/answer-key.expected"
        check "the answer key is one page" test "$(pages "$out/sent-answer-key.pdf")" = 1
        check "the answer key ticks the question file's right answers, in order" \
            in_order "$key_text" "Rich and Poor" "Answer Key" "${expected[@]:0:20}"
        check "the answer key has ten ticks" test "$(grep -o $'\u2713' <<<"$key_text" | wc -l)" = 10
        check "the answer key's foot line is the question file's key" \
            test "$(grep '^Key:' <<<"$key_text")" = "${expected[20]}"
        check "the board is one page" test "$(pages "$out/sent-board.pdf")" = 1
        check "the board has its heading and word bank" \
            in_order "$board_text" "Quenmark Publishing Ltd" "Label the picture" "Word bank"
        check "the board's word bank has each label once" \
            each_once "$board_text" "Poor Woman" "Rich Man" "Poor Man" "Rich Woman"
    else
        fail "four PDF files from the print queue (got: $(ls "$CUPS_OUT"))"
    fi
    cp "$CUPS_DIR/log/error_log" "$out/cups-error_log" 2>/dev/null
    [ "$E2E_FAILURES" -eq 0 ] || status=1
fi
exit "$status"
