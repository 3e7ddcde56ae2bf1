#!/usr/bin/env bash
# Ctrl+Q ends Quenvale from each of its windows, not only from the calculator:
# once from the Information window, once from the About splash.
SCENARIO=quit
source "$(dirname "$0")/lib.sh"

for from in "Information window" "About splash"; do
    SCENARIO=quit-from-${from%% *}
    e2e_start
    e2e_calculator
    if [ "$from" = "About splash" ]; then
        choose_about
        window=$(until_ok 5 window 350x200)
    else
        click_control picture
        window=$(until_ok 5 window Information)
    fi
    check "the $from has the focus" until_ok 5 is_active "$window"
    xdotool key ctrl+q
    app_status
    expect_eq "Ctrl+Q in the $from ends the program with status 0" 0 "$STATUS"
done
e2e_finish
