#!/usr/bin/env bash
# A person launches Quenvale, watches the splash hand over, and quits with Ctrl+Q.
SCENARIO=startup
source "$(dirname "$0")/lib.sh"
e2e_start

if splash=$(window_sized 350 200 10); then
    pass "the splash window appears"
    shot splash
else
    fail "the splash window appears"
fi
named=$(xdotool search --onlyvisible --name '^Quenvale$' 2>/dev/null | head -n 1)
expect_eq "no calculator window while the splash is up" "" "$named"

if calc_window 15; then
    elapsed=$(echo "$(date +%s.%N) - $APP_START" | bc)
    pass "the calculator window opens (after ${elapsed}s)"
    if [ "$(echo "$elapsed >= 3.9 && $elapsed < 8" | bc)" = 1 ]; then
        pass "the hand-over comes about 4 seconds after launch"
    else
        fail "the hand-over comes about 4 seconds after launch (${elapsed}s)"
    fi
    expect_eq "the content area is 600 wide" 600 "$WIDTH"
    sleep 0.5
    shot calculator
    if [ -n "${splash:-}" ] && is_visible "$splash"; then
        fail "the splash window is hidden after the hand-over"
    else
        pass "the splash window is hidden after the hand-over"
    fi
    xdotool windowactivate --sync "$CALC" key ctrl+q
    app_status 10
    expect_eq "Ctrl+Q (File > Quit) ends the program with status 0" 0 "$STATUS"
else
    fail "the calculator window opens"
fi
e2e_finish
