#!/usr/bin/env bash
# Regenerates the content this tool owns: content/multiple (track.txt and the two built-in
# quizzes), content/images, content/logo and content/wav. The same sources give the same files.
# Needs: cmake, ninja, qt6-base-dev, sox, fonts-liberation, fonts-dejavu-extra.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-content"
content="$root/content"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j2
dry="$(mktemp -d)"
trap 'rm -rf "$dry"' EXIT
QT_QPA_PLATFORM=offscreen "$build/makecontent" "$content" "$here/quiz" "$dry"

# Each sound: its room from the manifest, then 16-bit mono at 44.1 kHz with the peak at -3 dBFS.
# The level is set in a second pass: in one chain after reverb, sox's "gain -n" misses its mark.
# -R keeps sox's dither repeatable, so a rerun gives the same bytes.
mkdir -p "$content/wav"
while IFS=$'\t' read -r name effects; do
    # shellcheck disable=SC2086
    sox -R "$dry/$name" -e float -b 32 "$dry/room-$name" $effects
    sox -R "$dry/room-$name" -r 44100 -b 16 -c 1 "$content/wav/$name" gain -n -3
done < "$dry/manifest.txt"

# The generator's own tests, then the checks of what it has just written.
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)

# A short report to look over: length and peak of every sound.
for f in "$content"/wav/*.wav; do
    printf '%-14s %6.3f s  peak %s dB\n' "$(basename "$f")" "$(soxi -D "$f")" \
        "$(sox "$f" -n stats 2>&1 | awk '/Pk lev dB/ {print $4}')"
done
