#!/usr/bin/env bash
# A person launches Quenvale, watches the splash hand over to the calculator,
# and quits with Ctrl+Q.
SCENARIO=startup
source "$(dirname "$0")/lib.sh"
e2e_start

splash=$(until_ok 10 window 350x200)
check "the splash window appears" test -n "$splash"
shot splash
e2e_calculator
elapsed=$(echo "$(date +%s.%N) - $APP_START" | bc)
check "the calculator replaces the splash about 4 s after launch (${elapsed}s)" \
    test "$(echo "$elapsed >= 3.9 && $elapsed < 8" | bc)" = 1
check "the splash window is hidden" gone "$splash"
xdotool key ctrl+q
app_status
expect_eq "Ctrl+Q in the calculator ends the program with status 0" 0 "$STATUS"
e2e_finish
