# The end-to-end scenarios' helpers: Xvfb with a window manager, the real program,
# xdotool as the person. Environment: BUILD, SHOTS (screenshots and logs),
# CLIPBOARD_KEEPER (the clipboard manager stand-in), and E2E_VALGRIND=1 for
# memcheck, where an error or a definite leak fails the scenario.
# shellcheck shell=bash disable=SC2034  # STATUS, APP_START are for the scenarios
set -u
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=${BUILD:-$(cd "$HERE/../../build" && pwd)}
SHOTS=${SHOTS:-$BUILD/e2e-screenshots}
APP_WRAPPER="" E2E_PACE=1
if [ -n "${E2E_VALGRIND:-}" ]; then
    # The accessibility bridge forks a D-Bus launcher; only the program counts.
    SHOTS=$SHOTS/valgrind E2E_PACE=4 MEMCHECK_LOG=$SHOTS/$SCENARIO-memcheck.log
    APP_WRAPPER="valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite
        --show-leak-kinds=definite --num-callers=40 --child-silent-after-fork=yes
        --gen-suppressions=all --suppressions=$HERE/valgrind.supp --log-file=$MEMCHECK_LOG"
    rm -f "$MEMCHECK_LOG"
fi
# A sanitizer build run by hand leaves the system libraries' leaks out too.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$HERE/../lsan.supp:print_suppressions=0}
mkdir -p "$SHOTS"
FAILURES=0 PASSES=0 APP_PID="" XVFB_PID="" WM_PID="" KEEPER_PID="" CALC="" MENU_H=0

pass() { PASSES=$((PASSES + 1)) && echo "ok   $*"; }
fail() { FAILURES=$((FAILURES + 1)) && echo "FAIL $*"; }
expect_eq() {  # what expected actual
    if [ "$2" == "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
check() {  # what command...: passes when the command succeeds
    if "${@:2}" >/dev/null; then pass "$1"; else fail "$1"; fi
}

pause() { sleep "$(echo "$1 * $E2E_PACE" | bc -l)"; }
# Runs a command every 0.1 s until it succeeds, for at most $1 s (times E2E_PACE);
# prints what its last run printed.
until_ok() {
    local end=$((SECONDS + $(echo "($1 * $E2E_PACE + 0.999) / 1" | bc)))
    until "${@:2}"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.1
    done
}

# At the end the program, the clipboard manager and the window manager go before
# their X server.
# shellcheck disable=SC2154  # pid is the loop's
trap 'for pid in $APP_PID $KEEPER_PID $WM_PID $XVFB_PID; do kill $pid && wait $pid; done 2>/dev/null' EXIT

# Prints the first display number from $1 to $2 that no X server holds.
free_display() {
    local n
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    echo "$n"
}

# Starts Xvfb and openbox (once per scenario), then the program at APP_START (epoch s).
e2e_start() {
    if [ -z "$XVFB_PID" ]; then
        # Xvfb takes the first free display itself and names it once it answers,
        # so scenarios run side by side (other builds' too) never share one.
        local named
        named=$(mktemp)
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
        XVFB_PID=$!
        until_ok 10 test -s "$named"
        DISPLAY=:$(head -n 1 "$named") && export DISPLAY
        rm -f "$named"
        openbox >"$SHOTS/$SCENARIO-wm.log" 2>&1 &
        WM_PID=$!
        until_ok 5 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' 2>/dev/null
    fi
    unset QT_QPA_PLATFORM
    APP_START=$(date +%s.%N)
    # shellcheck disable=SC2086  # the wrapper is a command with its options
    $APP_WRAPPER "$BUILD/quenvale" >"$SHOTS/$SCENARIO-app.log" 2>&1 &
    APP_PID=$!
}

# Waits for the calculator window to have the focus; without it the scenario ends.
e2e_calculator() {
    until_ok 20 calc_window && until_ok 5 is_active "$CALC" ||
        { fail "the calculator window opens" && e2e_finish; exit; }
    pause 0.3
}

# Prints the id of a visible window of the program whose title or size matches $1.
window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
        # shellcheck disable=SC2053  # $1 is a pattern
        [[ "${WIDTH:-0}x${HEIGHT:-0}" == $1 || "$(xdotool getwindowname "$id")" == $1 ]] &&
            echo "$id" && return 0
    done
    return 1
}
# The calculator window is the one 600 wide: sets CALC and its menu bar's height MENU_H.
calc_window() {
    CALC=$(window '600x*') && eval "$(xdotool getwindowgeometry --shell "$CALC")" &&
        MENU_H=$((HEIGHT - 400))
}

# (xwininfo without an id would wait for a click on a window)
is_visible() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# Succeeds when the window manager has put window $1 in state $2 (Normal, Iconic).
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | grep -qx "[[:space:]]*window state: $2"; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
gone() { until_ok 5 eval "! is_visible '$1'"; }
# The program's active window when it is not the calculator (a message box).
other_active() {
    local id
    id=$(xdotool getactivewindow 2>/dev/null) && [ "$id" != "$CALC" ] &&
        [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$APP_PID" ] && echo "$id"
}
# An open menu: a pop-up window of the program that the window manager leaves alone.
menu_open() {
    xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vx "$CALC" |
        xargs -r -n 1 xwininfo -id 2>/dev/null | grep -q 'Override Redirect State: yes'
}

# A screenshot of the whole screen, or of window $2 alone.
shot() { import -window "${2:-root}" "$SHOTS/$SCENARIO-$1.png" 2>/dev/null; }

# Clicks the centre of a control of the calculator, in content coordinates.
declare -A CENTRE=([Z]="99 174" [t]="99 198" [F]="99 223" [X]="125 248" [Calculate]="100 365"
    [df2]="276 241" [value]="502 196" [result]="500 241" [picture]="304 362")
click_control() {
    local x y
    read -r x y <<<"${CENTRE[$1]}"
    xdotool mousemove --window "$CALC" "$x" $((y + MENU_H)) click 1
    sleep 0.05
}

type_text() { printf "%s" "$1" | xdotool type --delay 40 --file -; }
# Replaces the text of field $1 by $2 as a person would: click, select all, type.
fill() { click_control "$1" && xdotool key ctrl+a && type_text "$2"; }

# Copies with Ctrl+C in the active window and prints it; fails when nothing came.
MARK='<nothing copied>'
marked() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$MARK" ]; }
copied() {
    printf "%s" "$MARK" | xclip -selection clipboard >/dev/null 2>&1
    until_ok 2 marked
    xdotool key ctrl+c
    until_ok 5 eval '! marked' && xclip -o -selection clipboard
}
# The result as a person reads it: click into the field, select all, copy.
read_result() { click_control result && xdotool key ctrl+a && copied; }
# Copies the text of the message box that comes up, then dismisses it with Return;
# fails unless it closes and the calculator has the focus again.
read_message() {
    local box
    box=$(until_ok 10 other_active) || return 1
    copied
    shot message
    xdotool key Return
    gone "$box" && until_ok 5 is_active "$CALC"
}

# Chooses Edit > About Quenvale, the last item (Up lands on it); a menu that closed
# again while the window settled is opened once more.
choose_about() {
    for _ in 1 2 3; do
        xdotool mousemove --window "$CALC" 55 $((MENU_H / 2)) click 1
        until_ok 5 menu_open && xdotool key Up Return && return 0
    done
    return 1
}

# Clicks the close button in the frame of top-level window $1.
click_close_button() {
    local right top
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    read -r _ right top _ <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')"
    xdotool mousemove --window "$1" $((WIDTH + ${right:-1} - 11)) $((-${top:-20} / 2)) click 1
}

# Starts a clipboard manager (after e2e_start): when the program quits, it takes
# the text of selection $1 (CLIPBOARD, PRIMARY) into $SHOTS/$SCENARIO-kept.txt.
KEEPER=${CLIPBOARD_KEEPER:-$BUILD/tests/e2e/clipboard_keeper}
keeper_start() {
    "$KEEPER" "$1" >"$SHOTS/$SCENARIO-kept.txt" 2>"$SHOTS/$SCENARIO-keeper.log" &
    KEEPER_PID=$!
    until_ok 5 grep -qx ready "$SHOTS/$SCENARIO-keeper.log"
}
# Prints what the clipboard manager took; it has up to 5 s to take it and end.
kept() {
    until_ok 5 eval '! kill -0 "$KEEPER_PID" 2>/dev/null'
    kill "$KEEPER_PID" 2>/dev/null
    wait "$KEEPER_PID" 2>/dev/null
    KEEPER_PID=""
    cat "$SHOTS/$SCENARIO-kept.txt"
}

# Waits up to 10 s for the program to end; STATUS is its exit status (137: killed).
app_status() {
    until_ok 10 eval '! grep -qv "^[0-9]* (.*) Z" "/proc/$APP_PID/stat" 2>/dev/null'
    kill -9 "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    STATUS=$?
    APP_PID=""
}
e2e_finish() {
    kill -0 "$WM_PID" 2>/dev/null || fail "the window manager ran to the end (see $SCENARIO-wm.log)"
    if [ -n "${E2E_VALGRIND:-}" ]; then
        check "memcheck reports no errors (see $MEMCHECK_LOG)" grep -q 'ERROR SUMMARY: 0 errors' \
            "$MEMCHECK_LOG"
    fi
    echo "$PASSES passed, $FAILURES failed"
    [ "$FAILURES" -eq 0 ]
}
