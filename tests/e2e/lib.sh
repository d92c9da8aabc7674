# Helpers for driving the program on a real X server as a user would: real pointer and key
# events through xdotool, pictures of the screen through ImageMagick. Sourced by run.sh.
#
# Screens are 800 by 600 windows; controls are placed in twips, 15 to a pixel, from the
# window's top-left corner, so a control is clicked at the middle of its twip rectangle.
# In full screen the layout is scaled: E2E_SCALE_TENTHS (10 for 1x, 18 for 1.8x) and
# E2E_SCREEN (the screen windows' size) say how.
E2E_SCALE_TENTHS=10
E2E_SCREEN="800 600"

E2E_FAILURES=0
E2E_CHECKS=0

log() { printf '  %s\n' "$*"; }

pass() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    printf '  ok    %s (%ss)\n' "$*" "$SECONDS"
}

fail() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    E2E_FAILURES=$((E2E_FAILURES + 1))
    printf '  FAIL  %s (%ss)\n' "$*" "$SECONDS"
    [ -n "${E2E_OUT:-}" ] && shot "failure-$E2E_FAILURES" > /dev/null
}

check() {
    local what="$1"
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# Polls a command for up to $1 tenths of a second.
wait_until() {
    local tenths="$1"
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# road_args PROGRAM WORK OUT: what every road is called with: the program, its working folder
# (also called content) and the folder its pictures and logs go to (made here).
road_args() {
    program="$1"
    work="$2"
    content="$work"
    E2E_OUT="$3"
    mkdir -p "$E2E_OUT"
}

# The program's windows, bottom to top, as the window manager stacks them.
stacked_windows() {
    xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | grep -o '0x[0-9a-f]*' | while read -r id; do
        [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$E2E_PID" ] && printf '%d\n' "$id"
    done
}

top_window() { stacked_windows | tail -n 1; }

# Whether window $1 (a decimal id, as stacked_windows gives) is the one the window manager has
# made active, the one keys go to.
is_active() {
    local active
    active="$(xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | grep -o '0x[0-9a-f]*')"
    [ -n "$1" ] && [ -n "$active" ] && [ "$((active))" = "$1" ]
}

# Whether a picture has more than one colour: a display showing nothing but the backdrop has one.
not_plain() { [ "$(convert "$1" -format %k info:)" -gt 1 ]; }

window_size() {
    [ -n "$1" ] || return 1
    xdotool getwindowgeometry --shell "$1" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}' | sed 's/ $//'
}

window_name() { xdotool getwindowname "$1"; }

# Waits until the top window is a screen (800 by 600, or its scaled size), not a message box.
top_is_screen() { [ "$(window_size "$(top_window)")" = "$E2E_SCREEN" ]; }
any_window() { [ -n "$(top_window)" ]; }
top_is_box() {
    local top
    top="$(top_window)"
    [ -n "$top" ] && [ "$(window_size "$top")" != "$E2E_SCREEN" ]
}
wait_screen() { wait_until 100 top_is_screen; sleep 0.4; }

# Where a window's client area starts on the display. (xdotool's own answer counts the
# frame's offset twice under a reparenting window manager.)
window_origin() {
    # Without an id, xwininfo would wait for a click.
    [ -n "$1" ] || return 1
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                            END {print x, y}'
}

# middle_of LEFT TOP WIDTH HEIGHT: the display pixel "X Y" in the middle of that rectangle of
# the top window.
middle_of() {
    local origin
    origin="$(window_origin "$(top_window)")"
    echo "$(( ${origin% *} + ($1 + $3 / 2) * E2E_SCALE_TENTHS / 150 ))" \
        "$(( ${origin#* } + ($2 + $4 / 2) * E2E_SCALE_TENTHS / 150 ))"
}

# click_twips LEFT TOP WIDTH HEIGHT [BUTTON]: a click (left unless BUTTON says) in the middle
# of that rectangle of the top window, after moving the pointer there the way a hand would.
click_twips() {
    local at
    read -r -a at <<< "$(middle_of "$1" "$2" "$3" "$4")"
    xdotool mousemove "${at[@]}"
    sleep 0.15
    xdotool click "${5:-1}"
    sleep 0.35
}

# drag_twips FROM_LEFT FROM_TOP FROM_W FROM_H TO_LEFT TO_TOP TO_W TO_H: the left button pressed
# in the middle of one rectangle of the top window, moved in steps to the middle of the other,
# and let go there.
drag_twips() {
    local from to step
    read -r -a from <<< "$(middle_of "$1" "$2" "$3" "$4")"
    read -r -a to <<< "$(middle_of "$5" "$6" "$7" "$8")"
    xdotool mousemove "${from[@]}"
    sleep 0.15
    xdotool mousedown 1
    for step in 1 2 3 4 5 6; do
        sleep 0.05
        xdotool mousemove $(( from[0] + (to[0] - from[0]) * step / 6 )) \
            $(( from[1] + (to[1] - from[1]) * step / 6 ))
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.3
}

right_click_twips() { click_twips "$1" "$2" "$3" "$4" 3; }

type_text() {
    xdotool type --delay 8 -- "$1"
}

key() { xdotool key "$@"; sleep 0.2; }

# Dismisses the message box on top with the keyboard; the box's picture goes in OUT.
dismiss_box() {
    local name="$1"
    if wait_until 100 top_is_box; then
        pass "$name: a message box appeared ($(window_size "$(top_window)"))"
        window_shot_box "$name" > /dev/null
        key Return
        wait_screen
    else
        fail "$name: no message box"
    fi
}

window_shot_box() { import -window "$(top_window)" "$E2E_OUT/$1.png"; }

# shot NAME: the whole display into $E2E_OUT/NAME.png; prints the file.
shot() {
    local file="$E2E_OUT/$1.png"
    import -window root "$file"
    echo "$file"
}

# A picture of the top window only.
window_shot() {
    local file="$E2E_OUT/$1.png" win origin
    win="$(top_window)"
    origin="$(window_origin "$win")"
    import -window root -crop "${E2E_SCREEN/ /x}+${origin% *}+${origin#* }" +repage "$file"
    echo "$file"
}

# shows_picture SCREEN_PNG PICTURE LEFT TOP [WIDTH HEIGHT]: whether the window picture shows
# the picture file (or its top-left WIDTH x HEIGHT) with its top-left corner at that pixel,
# allowing for how each JPEG decoder rounds colours.
shows_picture() {
    local size error
    size="${5:-}x${6:-}"
    [ "$size" = x ] && size="$(identify -format '%wx%h' "$2")"
    # ImageMagick's policy forbids reading pipes, so the crops go through files.
    convert "$1" -crop "${size}+$3+$4" +repage "$E2E_OUT/.seen.png" &&
        convert "$2" -crop "${size}+0+0" +repage "$E2E_OUT/.expected.png" || return 1
    error="$(compare -metric RMSE "$E2E_OUT/.seen.png" "$E2E_OUT/.expected.png" null: 2>&1 |
             sed -n 's/.*(\(.*\)).*/\1/p')"
    rm -f "$E2E_OUT/.seen.png" "$E2E_OUT/.expected.png"
    [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e < 0.05) }'
}

# shows_part_of SCREEN_PNG PICTURE LEFT TOP WIDTH HEIGHT: whether a patch from the middle of
# the picture file is found somewhere in that box of the window picture, for pictures whose
# exact place in their box is the box's business. A patch of another picture scores above 0.25;
# the globe drawn into the quiz's smaller box scores about 0.14.
shows_part_of() {
    local size error
    convert "$1" -crop "${5}x${6}+$3+$4" +repage "$E2E_OUT/.seen.png" &&
        convert "$2" -gravity center -crop 60x60+0+0 +repage "$E2E_OUT/.expected.png" || return 1
    error="$(compare -metric RMSE -subimage-search "$E2E_OUT/.seen.png" "$E2E_OUT/.expected.png" \
             null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')"
    rm -f "$E2E_OUT/.seen.png" "$E2E_OUT/.expected.png"
    [ -n "$error" ] && awk -v e="$error" 'BEGIN { exit !(e < 0.17) }'
}

# pixel_is SCREEN_PNG X Y R,G,B
pixel_is() {
    local colour
    colour="$(convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:)"
    [ "$colour" = "$4" ]
}

file_has() { [ -f "$1" ] && grep -qF -- "$2" "$1"; }

# Starts Openbox and waits until it manages windows; its process id goes in E2E_WM.
start_window_manager() {
    openbox --sm-disable < /dev/null > "$E2E_OUT/openbox.log" 2>&1 &
    E2E_WM=$!
    wait_until 50 xprop -root _NET_SUPPORTING_WM_CHECK > /dev/null 2>&1 ||
        { echo "the window manager did not start"; exit 1; }
    # It names itself before it is ready to manage windows.
    sleep 1
}

# start_program [ARG...]: the road's program ($program) in its working folder ($work), its
# output added to program.log; waits for its first screen. Its process id goes in E2E_PID.
start_program() {
    (cd "$work" && exec "$program" "$@") < /dev/null >> "$E2E_OUT/program.log" 2>&1 &
    E2E_PID=$!
    export E2E_PID
    if ! wait_until 300 "${E2E_FIRST_WINDOW:-top_is_screen}"; then
        echo "the program showed no window:"
        cat "$E2E_OUT/program.log"
        exit 1
    fi
}

# The correct answer (1 to 4) of question Q in a question file.
correct_answer() { tr -d '\r' < "$1" | sed -n "$((8 + 7 * ($2 - 1)))p" | tr -d ' '; }

# After the title screen's Exit: the program must end by itself with status 0. Stops the window
# manager $1 and says how the road went; fails when any check did.
finish_road() {
    if wait_until 100 bash -c "! kill -0 $E2E_PID 2>/dev/null"; then
        wait "$E2E_PID"
        check "the program ended by itself with status 0" test "$?" -eq 0
    else
        fail "the program is still running after Exit"
        kill "$E2E_PID"
    fi
    kill "$1" 2>/dev/null
    echo "$E2E_CHECKS checks, $E2E_FAILURES failed"
    [ "$E2E_FAILURES" -eq 0 ]
}

# orca_session LABEL ROAD PROGRAM [OUT]: runs the road script ROAD (beside this file) with
# PROGRAM on its own Xvfb display, D-Bus session and copy of the content, for start_orca to
# listen in; LABEL heads what is said. Exits 77, saying why, where Orca cannot run here.
orca_session() {
    local label="$1" road="$2" program out work tool i status
    program="$(realpath "$3")"
    out="${4:-$(mktemp -d /tmp/orvelles-orca-out.XXXXXX)}"
    mkdir -p "$out"
    out="$(realpath "$out")"
    for tool in orca xvfb-run Xvfb openbox xdotool xprop import dbus-run-session dbus-send; do
        command -v "$tool" > /dev/null || { echo "$label: skipped, $tool is missing"; exit 77; }
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] ||
        { echo "$label: skipped, the AT-SPI bus launcher is missing"; exit 77; }
    # One Orca a user: wait a while for one that is running to finish.
    for ((i = 0; i < 120; i++)); do
        pgrep -u "$(id -u)" -x orca > /dev/null || break
        sleep 1
    done
    work="$(mktemp -d /tmp/orvelles-orca.XXXXXX)"
    cp -r "$(dirname "${BASH_SOURCE[0]}")/../../content" "$work/content"
    mkdir -p "$work/home" && chmod 0700 "$work/home"
    echo "$label: $program with Orca on Xvfb, its log and pictures in $out"
    env -u ORVELLES_FOLDER -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS \
        -u AT_SPI_BUS_ADDRESS XDG_CONFIG_HOME="$work/home/.config" \
        XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
        xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- \
        "$(dirname "${BASH_SOURCE[0]}")/$road" "$program" "$work/content" "$out" \
        2> >(grep -v '^dbus-daemon\|fd limit\|SpiRegistry' >&2)
    status=$?
    rm -rf "$work"
    exit "$status"
}

# start_a11y_bus LABEL: the accessibility bus of the session (its process id in E2E_BUS), or
# exits 77 saying it did not start.
start_a11y_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
    E2E_BUS=$!
    if ! wait_until 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress > /dev/null 2>&1; then
        echo "$1: skipped, the AT-SPI bus did not start"
        exit 77
    fi
}

# Orca, the screen reader, speaking into its own log (needs a session bus and the accessibility
# bus running). A road for any screen uses it the same way:
#   start_orca "$E2E_OUT/orca" || exit 77   # says why when Orca never came up
#   mark="$(orca_mark)"; key Tab
#   check "Tab says the entry" orca_said "$mark" "Rich and Poor push button"
# Its process id goes in E2E_ORCA, its log in E2E_ORCA_LOG.
start_orca() {
    local prefs="$1/prefs"
    mkdir -p "$prefs"
    E2E_ORCA_LOG="$1/orca.log"
    : > "$E2E_ORCA_LOG"
    # The log is written a block at a time unless told otherwise; each line is wanted as spoken.
    cat > "$prefs/orca-customizations.py" << 'PY'
import orca.debug as _d
if _d.debugFile is not None:
    _d.debugFile.reconfigure(line_buffering=True)
PY
    if pgrep -u "$(id -u)" -x orca > /dev/null; then
        echo "Orca never came up: another Orca of this user is running"
        return 1
    fi
    orca --debug-file="$E2E_ORCA_LOG" -u "$prefs" < /dev/null > "$1/orca.out" 2>&1 &
    E2E_ORCA=$!
    if ! wait_until 900 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$E2E_ORCA_LOG"; then
        echo "Orca never came up (its output is in $1/orca.out)"
        kill "$E2E_ORCA" 2> /dev/null
        return 1
    fi
}

stop_orca() {
    kill "$E2E_ORCA" 2> /dev/null
    wait_until 50 bash -c "! kill -0 $E2E_ORCA 2> /dev/null" || kill -KILL "$E2E_ORCA" 2> /dev/null
    wait "$E2E_ORCA" 2> /dev/null
}

# How many lines Orca's log has now; what is said after a key press is looked for after it.
orca_mark() { wc -l < "$E2E_ORCA_LOG"; }

# What Orca said after line $1 of its log, one phrase a line.
orca_spoken_since() {
    tail -n +"$(($1 + 1))" "$E2E_ORCA_LOG" | sed -n "s/.*SPEECH OUTPUT: '//p" |
        sed "s/' *{.*//; s/' *$//"
}

# orca_said MARK TEXT: whether Orca has said TEXT (as part of a phrase) after MARK, waiting up
# to five seconds for it.
orca_said() {
    local i
    for ((i = 0; i < 50; i++)); do
        orca_spoken_since "$1" | grep -qF -- "$2" && return 0
        sleep 0.1
    done
    return 1
}

# orca_press KEY TEXT: presses KEY and waits for Orca to say TEXT; fails quietly when it does not.
orca_press() {
    local at
    at="$(orca_mark)"
    xdotool key "$1"
    orca_said "$at" "$2"
}

# orca_tab_to TEXT: Tab until Orca says TEXT (at most 30 times); after each Tab, waits only
# until Orca has named the next stop.
orca_tab_to() {
    local i at
    for ((i = 0; i < 30; i++)); do
        at="$(orca_mark)"
        xdotool key Tab
        wait_until 50 eval 'orca_spoken_since "$at" | grep -qv "^tab *$"'
        orca_spoken_since "$at" | grep -qF -- "$1" && return 0
        # The rest of a name said in parts.
        sleep 0.2
        orca_spoken_since "$at" | grep -qF -- "$1" && return 0
    done
    return 1
}

# orca_spoke WHAT KEY TEXT: a check that KEY makes Orca say TEXT.
orca_spoke() {
    if orca_press "$2" "$3"; then pass "$1: '$3'"; else fail "$1: Orca did not say '$3'"; fi
}
