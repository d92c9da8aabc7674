#!/usr/bin/env bash
# Exports worksheets as GIFT with the program and reads them with an independent GIFT parser,
# gift-pegjs from the npm registry, run with Node: each must hold the same ten questions,
# answers and right answers as the program's own Aiken export of the worksheet.
#
#   tests/exchange/gift-pegjs.sh PROGRAM CONTENT NPM_FOLDER
#
# Exits 77 (a skip) where Node or npm is missing or the package cannot be installed.
set -uo pipefail
program="$(realpath "$1")" content="$2" npm_folder="$3"
for tool in node npm; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
if [ ! -d "$npm_folder/node_modules/gift-pegjs" ]; then
    mkdir -p "$npm_folder"
    npm install --prefix "$npm_folder" --no-audit --no-fund gift-pegjs@1.0.2 > /dev/null 2>&1 ||
        { echo "skipped: gift-pegjs could not be installed from the npm registry"; exit 77; }
fi
work="$(mktemp -d /tmp/orvelles-gift.XXXXXX)"
trap 'rm -rf "$work"' EXIT
cp -r "$content" "$work/content"
# A worksheet of the characters GIFT escapes; the question file writes commas as "&", so none.
{
    printf 'Marks {and} escapes\r\n \r\n'
    for q in 1 2 3 4 5 6 7 8 9 10; do
        printf 'Is %s~ = # {x} a:b "quoted" \\ end?\r\n=one %s\r\n~two\r\n{three}\r\nfour: #4\r\n%s\r\n \r\n' \
            "$q" "$q" $((q % 4 + 1))
    done
} > "$work/content/multiple/Marks.txt"
# Format markers, weights and matching arrows typed as text: each question holds one kind.
{
    printf 'Markers\r\n \r\n'
    for q in 1 2 3 4 5 6 7 8 9 10; do
        case $((q % 4)) in
        0) printf '[markdown] Plain %s?\r\n[html]x\r\n[plain]y\r\n[markdown]z\r\nw\r\n' "$q" ;;
        1) printf 'Which -> %s?\r\na -> b\r\nb\r\nc\r\n[plain]d\r\n' "$q" ;;
        2) printf 'Percent %s?\r\n%%%s%% off\r\n%%5\r\ne\r\n[html]f\r\n' "$q" "$q" ;;
        3) printf 'Bold %s?\r\n[html]<b>x</b>\r\n<i>\r\ng\r\n[plain]h\r\n' "$q" ;;
        esac
        printf '%s\r\n \r\n' $((q % 3 == 0 ? 4 : q % 3))
    done
} > "$work/content/multiple/Markers.txt"

status=0
for sheet in "Introduction" "Rich and Poor" "Marks" "Markers"; do
    (cd "$work/content" && "$program" --export gift "$sheet" "$work/sheet.gift" > /dev/null &&
        "$program" --export aiken "$sheet" "$work/sheet.aiken" > /dev/null) ||
        { echo "FAIL $sheet: export"; status=1; continue; }
    # The platform takes any question whose braces hold "=" and "->" for matching.
    if grep -q -- '->' "$work/sheet.gift"; then
        echo "FAIL $sheet: a '->' left in the GIFT file"
        status=1
    fi
    # One line a question: text, four answers, the right one (1 to 4), tab-separated.
    NODE_PATH="$npm_folder/node_modules" node -e '
        const gift = require("gift-pegjs");
        const text = require("fs").readFileSync(process.argv[1], "utf8");
        const plain = (t) => t.format === "html"
            ? t.text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"")
                  .replace(/&#(\d+);/g, (m, n) => String.fromCharCode(n)).replace(/&amp;/g, "&")
            : t.text;
        for (const q of gift.parse(text).filter((q) => q.type !== "Category")) {
            if (q.type !== "MC") { console.log("not multiple choice: " + q.type); continue; }
            const right = q.choices.findIndex((c) => c.isCorrect) + 1;
            console.log([plain(q.stem), ...q.choices.map((c) => plain(c.text)), right].join("\t"));
        }' "$work/sheet.gift" > "$work/parsed.txt" 2> "$work/node.err" ||
        { echo "FAIL $sheet: gift-pegjs did not parse it"; cat "$work/node.err"; status=1; continue; }
    awk 'BEGIN { n = 0 }
         /^ANSWER: / { printf "%s\t%s\t%s\t%s\t%s\t%d\n", q, c[1], c[2], c[3], c[4],
                       index("ABCD", substr($0, 9, 1)); n = 0; q = ""; next }
         /^[A-D]\) / { c[++n] = substr($0, 4); next }
         NF { q = $0 }' "$work/sheet.aiken" > "$work/expected.txt"
    if [ "$(wc -l < "$work/expected.txt")" -eq 10 ] && diff "$work/expected.txt" "$work/parsed.txt"; then
        echo "ok   $sheet: gift-pegjs reads the same ten questions"
    else
        echo "FAIL $sheet: gift-pegjs reads otherwise"
        status=1
    fi
done
exit "$status"
