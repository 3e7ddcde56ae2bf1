# Shared helpers for the end-to-end scenarios: a real X server (Xvfb) with a
# window manager, the real program, and xdotool acting as the person.
# Each scenario sources this file, then calls e2e_start, drives, and e2e_finish.
set -u

BUILD=${BUILD:-$(cd "$(dirname "$0")/../../build" && pwd)}
SHOTS=${SHOTS:-$BUILD/e2e-screenshots}
APP_WRAPPER=${APP_WRAPPER:-}
mkdir -p "$SHOTS"
FAILURES=0
PASSES=0
APP_PID=""
XVFB_PID=""
WM_PID=""

note() { printf '  %s\n' "$*"; }
pass() { PASSES=$((PASSES + 1)); printf 'ok   %s\n' "$*"; }
fail() { FAILURES=$((FAILURES + 1)); printf 'FAIL %s\n' "$*"; }
expect_eq() {  # what expected actual
    if [ "$2" == "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
}
trap e2e_cleanup EXIT

# Starts Xvfb on a free display and openbox on it.
e2e_display() {
    local n
    for n in $(seq $((100 + RANDOM % 300)) 499); do
        [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || break
    done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 0.5
}

# Starts the program; APP_START is the time it started (seconds since epoch).
e2e_start() {
    e2e_display
    unset QT_QPA_PLATFORM
    APP_START=$(date +%s.%N)
    $APP_WRAPPER "$BUILD/quenvale" >"$SHOTS/${SCENARIO}-app.log" 2>&1 &
    APP_PID=$!
}

# The visible top-level window whose title is exactly $1 (waits up to $2 s).
window_named() {
    local deadline=$((SECONDS + ${2:-10})) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# The visible window of the program of size $1x$2 (the splash has no title).
window_sized() {
    local deadline=$((SECONDS + ${3:-10})) id
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

shot() { import -window root "$SHOTS/${SCENARIO}-$1.png" 2>/dev/null; }

# The calculator window's content area starts below its menu bar.
calc_window() {
    CALC=$(window_named Quenvale "${1:-10}") || return 1
    eval "$(xdotool getwindowgeometry --shell "$CALC")"
    MENU_H=$((HEIGHT - 400))
}

# Clicks at content coordinates x y of the calculator window.
click_at() {
    xdotool mousemove --window "$CALC" "$1" $(($2 + MENU_H)) click 1
    sleep 0.15
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

type_text() { xdotool type --delay 40 "$1"; sleep 0.1; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# Reads the result field as a person would: select its text and copy it.
read_result() {
    printf '' | xclip -selection clipboard
    click_control result
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    clipboard
}

# Reads the message box that is up (copying its text) and dismisses it with Return.
read_message() {
    local box deadline=$((SECONDS + 5))
    printf '' | xclip -selection clipboard
    while [ $SECONDS -lt "$deadline" ]; do
        box=$(xdotool getactivewindow 2>/dev/null)
        [ -n "$box" ] && [ "$box" != "$CALC" ] && break
        sleep 0.1
    done
    sleep 0.2
    xdotool key --window "$box" ctrl+c
    sleep 0.2
    clipboard
    xdotool key --window "$box" Return
    sleep 0.3
}

# Waits (at most $1 seconds) for the program to end; its exit status goes to
# STATUS (137 when it had to be killed).
app_status() {
    local dog
    ( sleep "${1:-10}"; kill -9 "$APP_PID" ) >/dev/null 2>&1 &
    dog=$!
    wait "$APP_PID"
    STATUS=$?
    kill "$dog" 2>/dev/null
    wait "$dog" 2>/dev/null
    APP_PID=""
}

e2e_finish() {
    echo "$PASSES passed, $FAILURES failed"
    [ "$FAILURES" -eq 0 ]
}
