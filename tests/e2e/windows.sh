#!/usr/bin/env bash
# A person opens the other windows from the calculator: "About Quenvale"
# brings back the splash window, the small picture opens the "Information"
# window (and brings it back once minimised), and each goes away again.
SCENARIO=windows
source "$(dirname "$0")/lib.sh"
e2e_start
first_splash=$(until_ok 10 window 350x200)
e2e_calculator

choose_about
splash=$(until_ok 5 window 350x200)
expect_eq "About Quenvale shows the splash window of the start again" "${first_splash:-none}" "$splash"
pause 1
check "the splash window stays up" is_visible "$splash"
xdotool mousemove --window "$splash" 175 100 click 1
check "a click in the splash window hides it" gone "$splash"

click_control picture
info=$(until_ok 5 window Information)
check "the small picture opens the Information window" until_ok 5 is_active "$info"
# A middle click pastes the X selection; with nothing selected anywhere (the
# program that selected last has quit) it pastes nothing and the program runs on.
xdotool key ctrl+a
text=$(copied)
xclip -quiet -selection primary </dev/null >/dev/null 2>&1 &
owner=$!
pause 0.3
kill "$owner" && wait "$owner" 2>/dev/null
check "nothing is selected anywhere" eval '! xclip -o -selection primary'
xdotool mousemove --window "$info" 200 200 click 2
pause 0.5
check "a middle click with nothing selected leaves the program running" kill -0 "$APP_PID"
unchanged() { [ "$(xdotool key ctrl+a && copied)" = "$text" ]; }
check "and the Information text as it was" unchanged
xdotool key ctrl+a
expect_eq "its text begins with the program's name" Quenvale "$(copied | head -n 1)"
xdotool windowminimize "$info"
check "the window manager minimises it" until_ok 5 wm_state "$info" Iconic
click_control picture
check "the small picture brings the minimised window back" until_ok 5 wm_state "$info" Normal
check "it is on screen again" until_ok 5 is_visible "$info"
check "it has the focus again" until_ok 5 is_active "$info"
expect_eq "it is the same window" "$info" "$(window Information)"
click_close_button "$info"
check "its close button closes it" gone "$info"
check "the calculator stays open" is_visible "$CALC"
e2e_finish
