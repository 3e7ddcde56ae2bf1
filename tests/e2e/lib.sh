# Shared helpers for the end-to-end scenarios: a real X server (Xvfb) with a
# window manager, the real program, and xdotool acting as the person.
# Each scenario sources this file, then calls e2e_start, drives, and e2e_finish.
#
# Environment:
#   BUILD        the build folder holding quenvale (default: ../../build)
#   SHOTS        where screenshots and logs go (default: $BUILD/e2e-screenshots)
#   APP_WRAPPER  a command put before the program (valgrind, for instance)
#   E2E_PACE     slow-down factor for every wait and timeout (default 1); a
#                program run under valgrind answers several times slower
# shellcheck disable=SC2034  # CALC, STATUS, MENU_POPUP... are for the scenarios
set -u

BUILD=${BUILD:-$(cd "$(dirname "$0")/../../build" && pwd)}
SHOTS=${SHOTS:-$BUILD/e2e-screenshots}
APP_WRAPPER=${APP_WRAPPER:-}
E2E_PACE=${E2E_PACE:-1}
# A sanitizer build run by hand leaves the system libraries' leaks out too.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp:print_suppressions=0}
mkdir -p "$SHOTS"
FAILURES=0
PASSES=0
APP_PID=""
XVFB_PID=""
WM_PID=""
CALC=""
MENU_H=0

note() { printf '  %s\n' "$*"; }
pass() { PASSES=$((PASSES + 1)); printf 'ok   %s\n' "$*"; }
fail() { FAILURES=$((FAILURES + 1)); printf 'FAIL %s\n' "$*"; }
expect_eq() {  # what expected actual
    if [ "$2" == "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
check() {  # what command...: passes when the command succeeds
    local what=$1
    shift
    if "$@" >/dev/null; then pass "$what"; else fail "$what"; fi
}

# Waits and timeouts, stretched by E2E_PACE.
secs() { echo "($1 * $E2E_PACE + 0.999) / 1" | bc; }  # whole seconds, rounded up
pause() { sleep "$(echo "$1 * $E2E_PACE" | bc -l)"; }

# The program and the window manager go before the X server they talk to.
e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$APP_PID" ] && wait "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && wait "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
}
trap e2e_cleanup EXIT

# Starts Xvfb on a free display and openbox on it.
e2e_display() {
    local n
    for n in $(seq $((100 + RANDOM % 300)) 499); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >"$SHOTS/${SCENARIO}-wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

# Starts the program; APP_START is the time it started (seconds since epoch).
e2e_start() {
    e2e_display
    unset QT_QPA_PLATFORM
    APP_START=$(date +%s.%N)
    # shellcheck disable=SC2086  # the wrapper is a command with its options
    $APP_WRAPPER "$BUILD/quenvale" >"$SHOTS/${SCENARIO}-app.log" 2>&1 &
    APP_PID=$!
}

# Starts the program and waits for the calculator window; a scenario that
# cannot get it ends here, reporting the failure.
e2e_start_calculator() {
    e2e_start
    [ -n "${1:-}" ] && eval "$1"
    if ! calc_window 20; then
        fail "the calculator window opens"
        e2e_finish
        exit
    fi
    pass "the calculator window opens"
    pause 0.3
}

# The visible top-level window whose title is exactly $1 (waits up to $2 s).
window_named() {
    local deadline=$((SECONDS + $(secs "${2:-10}"))) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# How many mapped windows have the title $1.
count_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# The visible window of the program of size $1x$2 (the splash has no title).
window_sized() {
    local deadline=$((SECONDS + $(secs "${3:-10}"))) id
    while [ $SECONDS -lt "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
            if [ "${WIDTH:-0}" = "$1" ] && [ "${HEIGHT:-0}" = "$2" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

is_visible() {  # window id
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Waits (at most $2 s) until window $1 is no longer on screen.
gone() {
    local deadline=$((SECONDS + $(secs "${2:-5}")))
    while [ $SECONDS -lt "$deadline" ]; do
        is_visible "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Waits (at most $2 s) until window $1 has the focus.
active() {
    local deadline=$((SECONDS + $(secs "${2:-5}")))
    while [ "$(xdotool getactivewindow 2>/dev/null)" != "$1" ]; do
        [ $SECONDS -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# The whole screen, or one window ($2) alone.
shot() {
    if [ -n "${2:-}" ]; then
        import -window "$2" "$SHOTS/${SCENARIO}-$1.png" 2>/dev/null
    else
        import -window root "$SHOTS/${SCENARIO}-$1.png" 2>/dev/null
    fi
}

# The calculator window (600 wide, titled "Quenvale"; the splash window has
# that name too); its content area starts below its menu bar.
calc_window() {
    local deadline=$((SECONDS + $(secs "${1:-10}"))) id
    while [ $SECONDS -lt "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name '^Quenvale$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
            if [ "${WIDTH:-0}" = 600 ]; then
                CALC=$id
                MENU_H=$((HEIGHT - 400))
                # Input goes where it should once the window has the focus.
                active "$CALC" "${1:-10}"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Clicks at content coordinates x y of the calculator window. The program
# takes its input events in order, so what follows needs no wait; whatever
# reads the screen back waits for what it expects.
click_at() {
    xdotool mousemove --window "$CALC" "$1" $(($2 + MENU_H)) click 1
    sleep 0.05
}

# Centres of the calculator's controls, in content coordinates.
click_control() {
    case $1 in
        Z) click_at 99 174 ;;
        t) click_at 99 198 ;;
        F) click_at 99 223 ;;
        X) click_at 125 248 ;;
        Calculate) click_at 100 365 ;;
        Clear) click_at 500 365 ;;
        df1) click_at 276 196 ;;
        df2) click_at 276 241 ;;
        value) click_at 502 196 ;;
        result) click_at 500 241 ;;
        picture) click_at 304 362 ;;
        *) fail "no control $1" ;;
    esac
}

# The calculator's controls as rectangles "left top width height" in content
# coordinates. A text field is taken whole, since an empty one shows only its
# border; a label is taken a little inside, so that its neighbours stay out
# (the label "two-tailed" overlaps the result field by two points).
control_rect() {
    case $1 in
        dfBox) echo 224 160 106 106 ;;
        df1) echo 245 186 62 20 ;;
        df2) echo 245 231 62 20 ;;
        N) echo 258 172 15 14 ;;
        D) echo 258 217 18 14 ;;
        df1Text) echo 282 172 18 14 ;;
        df2Text) echo 282 217 18 14 ;;
        Value) echo 474 169 59 16 ;;
        value) echo 471 186 62 20 ;;
        p) echo 471 212 58 18 ;;
        result) echo 469 231 62 20 ;;
        two-tailed) echo 465 253 70 15 ;;
        # The middle of each radio button's circle, where the mark of the
        # chosen one is.
        Z-mark) echo 82 171 6 6 ;;
        t-mark) echo 82 195 6 6 ;;
        F-mark) echo 82 220 6 6 ;;
        X-mark) echo 82 245 6 6 ;;
        *) fail "no control $1"; echo 0 0 1 1 ;;
    esac
}

# The dark pixels (darker than 75% grey) in control $1 of the calculator
# window as it is on screen: 0 when the control is hidden (white background).
# A group box is drawn in light greys only: for it every pixel that is not
# white counts.
ink() {
    local x y w h level=75%
    read -r x y w h <<<"$(control_rect "$1")"
    [ "$1" = dfBox ] && level=99%
    import -window "$CALC" png:- 2>/dev/null |
        convert png:- -crop "${w}x${h}+${x}+$((y + MENU_H))" +repage -colorspace Gray \
            -threshold "$level" -negate -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}

# Waits (at most $3 s) until control $1 shows (yes) or not (no) as $2 says.
showing() {
    local deadline=$((SECONDS + $(secs "${3:-5}"))) n
    while :; do
        n=$(ink "$1")
        if [ "$2" = yes ]; then [ "${n:-0}" -gt 0 ] && return 0; else [ "${n:-1}" -eq 0 ] && return 0; fi
        [ $SECONDS -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Several controls at once: expect_showing what yes|no control...
expect_showing() {
    local what=$1 want=$2 c state=hidden
    shift 2
    [ "$want" = yes ] && state=shown
    for c in "$@"; do
        check "$what: $c $state" showing "$c" "$want"
    done
}

type_text() { printf "%s" "$1" | xdotool type --delay 40 --file -; }

# The clipboard holds this mark until the program copies something.
CLIP_MARK='<nothing copied>'
clipboard_reset() {
    printf "%s" "$CLIP_MARK" | xclip -selection clipboard >/dev/null 2>&1
    for _ in $(seq 20); do
        [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$CLIP_MARK" ] && return
        sleep 0.05
    done
}
# The clipboard once the program has copied into it ("" when nothing came
# within $1 s).
clipboard_copied() {
    local deadline=$((SECONDS + $(secs "${1:-3}"))) text
    while :; do
        text=$(xclip -o -selection clipboard 2>/dev/null)
        [ "$text" != "$CLIP_MARK" ] && { printf '%s' "$text"; return 0; }
        [ $SECONDS -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# Reads a text field as a person would: click into it, select all, copy.
read_field() {
    clipboard_reset
    click_control "$1"
    xdotool key ctrl+a ctrl+c
    clipboard_copied 2
}
read_result() { read_field result; }

# Replaces the text of field $1 by $2 as a person would: click, select all, type.
fill() {
    click_control "$1"
    xdotool key ctrl+a
    if [ -n "$2" ]; then type_text "$2"; else xdotool key BackSpace; fi
}

# The program's window that has the focus, other than the calculator (a
# message box); waits up to $1 s.
other_active_window() {
    local deadline=$((SECONDS + $(secs "${1:-5}"))) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool getactivewindow 2>/dev/null)
        if [ -n "$id" ] && [ "$id" != "$CALC" ] &&
            [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$APP_PID" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Reads the message box that comes up (copying its text with Ctrl+C) and
# dismisses it with Return; with a name, takes a screenshot of it first.
# Prints the text; fails when no box came, or it stayed, or the calculator
# did not get the focus back.
read_message() {
    local box text
    box=$(other_active_window 10) || return 1
    clipboard_reset
    xdotool key ctrl+c
    text=$(clipboard_copied 5)
    [ -n "${1:-}" ] && shot "$1"
    xdotool key Return
    printf '%s' "$text"
    gone "$box" 10 && active "$CALC" 5
}

# Clicks the title $1 ("File" or "Edit") in the calculator's menu bar; the
# first menu has no caption and takes no room.
open_menu() {
    case $1 in
        File) xdotool mousemove --window "$CALC" 18 $((MENU_H / 2)) click 1 ;;
        Edit) xdotool mousemove --window "$CALC" 55 $((MENU_H / 2)) click 1 ;;
        *) fail "no menu $1" ;;
    esac
}

# The pop-up of an open menu: a small window of the program that the window
# manager leaves alone. Sets MENU_POPUP and its WIDTH, HEIGHT.
menu_popup() {
    local deadline=$((SECONDS + $(secs "${1:-5}"))) id
    while [ $SECONDS -lt "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            [ "$id" = "$CALC" ] && continue
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
            if [ "${HEIGHT:-0}" -lt 300 ] && [ "${WIDTH:-0}" -lt 300 ] &&
                xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
                MENU_POPUP=$id
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Opens menu $1 and chooses an item in it with the mouse ($2 = mouse; $3 is
# the item's row, counted from the menu's top, or from its bottom when
# negative, in pixels) or with the keyboard ($2 = keys, $3... the keys).
# A menu that closes again before the choice (the window was still settling)
# is opened once more. Fails when no menu opened. With MENU_SHOT set, takes a
# screenshot of the open menu under that name.
choose_menu() {
    local menu=$1 how=$2 row y
    shift 2
    for _ in 1 2 3; do
        open_menu "$menu"
        menu_popup 5 || continue
        [ -n "${MENU_SHOT:-}" ] && shot "$MENU_SHOT"
        if [ "$how" = keys ]; then
            xdotool key "$@"
            return 0
        fi
        row=$1
        y=$row
        [ "$row" -lt 0 ] && y=$((HEIGHT + row))
        xdotool mousemove --window "$MENU_POPUP" $((WIDTH / 2)) "$y" click 1 2>/dev/null && return 0
        pause 0.3
    done
    return 1
}

# The frame's close button of top-level window $1, clicked as a person would.
click_close_button() {
    local right top
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    read -r _ right top _ <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,/ /g')"
    xdotool mousemove --window "$1" $((WIDTH + ${right:-1} - 11)) $((-${top:-20} / 2)) click 1
}

# Waits (at most $1 seconds) for the program to end; its exit status goes to
# STATUS (137 when it had to be killed).
app_status() {
    local deadline=$((SECONDS + $(secs "${1:-10}")))
    # A program that has ended is gone, or a zombie until it is waited for.
    local state
    while [ $SECONDS -lt "$deadline" ]; do
        state=Z
        read -r _ _ state _ 2>/dev/null <"/proc/$APP_PID/stat"
        [ "$state" = Z ] && break
        sleep 0.1
    done
    kill -9 "$APP_PID" 2>/dev/null
    wait "$APP_PID"
    STATUS=$?
    APP_PID=""
}

e2e_finish() {
    # Without its window manager a scenario cannot tell much.
    kill -0 "$WM_PID" 2>/dev/null || fail "the window manager ran to the end (see ${SCENARIO}-wm.log)"
    echo "$PASSES passed, $FAILURES failed"
    [ "$FAILURES" -eq 0 ]
}
