#!/usr/bin/env bash
# Exports each built-in worksheet as a web page with the program, then takes the quiz in
# headless Chromium: a script added at the end of a copy of the page clicks answers and Next
# as a pupil would, and the page's final state is checked.
#
#   tests/e2e/webpage.sh PROGRAM [OUT]
#
# Exits 0 when every check passed or when Chromium is missing (it says so), 1 otherwise.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib.sh"

program="$(realpath "$1")"
out="${2:-$(mktemp -d /tmp/orvelles-webpage.XXXXXX)}"
mkdir -p "$out"
browser="$(command -v chromium || command -v chromium-browser || true)"
if [ -z "$browser" ]; then
    echo "web page tests: skipped, Chromium is missing"
    exit 0
fi
work="$(mktemp -d /tmp/orvelles-webpage.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../content" "$work/content"
# Texts that once ended the page's data block early or hid it in a comment, blanking the page.
{
    printf 'Markup\r\n \r\n'
    printf 'Is <!-- <script> hidden?\r\none\r\ntwo\r\nthree\r\nfour\r\n1\r\n \r\n'
    printf 'Ends </script> here?\r\nyes\r\nno\r\n</SCRIPT><b>\r\nfour\r\n2\r\n \r\n'
    for q in 3 4 5 6 7 8 9 10; do
        printf 'Question %s <!-- & &amp; > ?\r\na %s\r\nb\r\nc\r\nd\r\n%s\r\n \r\n' "$q" "$q" $((q % 4 + 1))
    done
} > "$work/content/multiple/Markup.txt"
E2E_CHECKS=0
E2E_FAILURES=0

# The page after choosing the answers in $2 (ten numbers 1 to 4) in the page $1.
take_quiz() {
    local page="$1" picks="$2" driven="$work/driven.html"
    local script="<script>for (const p of [${picks// /,}]) { document.getElementById('a' + p).click(); document.getElementById('next').click(); }</script>"
    sed "s|</body>|${script}</body>|" "$page" > "$driven"
    "$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
        --dump-dom "file://$driven" 2> /dev/null
}

text_of() { grep -o "<p id=\"message\">[^<]*</p>" | sed 's/<[^>]*>//g'; }
wrong_lines() { grep -o '<li>[^<]*</li>' | sed 's/<[^>]*>//g'; }

echo "web page tests: $browser"
for sheet in "Introduction" "Rich and Poor" "Markup"; do
    page="$out/$sheet.html"
    (cd "$work/content" && env -u ORVELLES_FOLDER ASAN_OPTIONS=detect_leaks=0 \
        "$program" --export web "$sheet" "$page" > /dev/null) || { fail "$sheet exported"; continue; }
    check "$sheet: the page asks for nothing from the network" \
        bash -c "! grep -Eq '(src|href)=\"(https?:)?//' \"$page\""
    # The right answers, told by the Aiken export: ANSWER: A to D.
    (cd "$work/content" && ASAN_OPTIONS=detect_leaks=0 "$program" --export aiken "$sheet" \
        "$work/aiken.txt" > /dev/null)
    right="$(sed -n 's/^ANSWER: \([A-D]\)$/\1/p' "$work/aiken.txt" | tr ABCD 1234 | tr '\n' ' ')"
    read -ra r <<< "$right"
    [ "${#r[@]}" -eq 10 ] || { fail "$sheet: ten right answers in the Aiken export"; continue; }
    all_right="$(take_quiz "$page" "${r[*]}")"
    check "$sheet: all right scores ten out of ten" \
        [ "$(text_of <<< "$all_right")" = "Excellent work. You have scored 10 out of 10." ]
    check "$sheet: all right lists no wrong answer" [ -z "$(wrong_lines <<< "$all_right")" ]
    # Questions 2 and 5 answered wrongly: the next answer round from the right one.
    picks=("${r[@]}")
    picks[1]=$((r[1] % 4 + 1))
    picks[4]=$((r[4] % 4 + 1))
    two_wrong="$(take_quiz "$page" "${picks[*]}")"
    check "$sheet: two wrong scores eight" \
        [ "$(text_of <<< "$two_wrong")" = "Good work. You have scored 8 out of 10." ]
    check "$sheet: the wrong ones are listed as the review screen lists them" \
        [ "$(wrong_lines <<< "$two_wrong" | cut -c1-4 | tr '\n' '|')" = " 2. | 5. |" ]
    none="$(take_quiz "$page" "$(for a in "${r[@]}"; do printf '%s ' $((a % 4 + 1)); done)")"
    check "$sheet: all wrong scores nothing and lists all ten" \
        [ "$(text_of <<< "$none")|$(wrong_lines <<< "$none" | wc -l)" = "You have scored 0 out of 10.|10" ]
    [ "$sheet" = "Markup" ] && check "Markup: the review shows the texts as typed" \
        [ "$(wrong_lines <<< "$none" | head -2 | tr '\n' '|')" = " 1. Is &lt;!-- &lt;script&gt; hidden?| 2. Ends &lt;/script&gt; here?|" ]
done
echo "web page tests: $E2E_CHECKS checks, $E2E_FAILURES failed"
[ "$E2E_FAILURES" -eq 0 ]
