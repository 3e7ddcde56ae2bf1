#!/usr/bin/env bash
# A person opens the other windows from the calculator: "About Quenvale"
# brings back the splash window, the small picture opens the "Information"
# window; then the calculator's close button ends the program.
SCENARIO=windows
source "$(dirname "$0")/lib.sh"
# The splash seen at start-up is the one About brings back later.
e2e_start_calculator 'startup_splash=$(window_sized 350 200 10)'

# A result on screen, which the other windows must leave alone.
click_control Z
type_text 1
click_control Calculate
check "Z 1: the result shows" showing result yes 10

# Chooses Edit > About Quenvale, the last item that shows in the Edit menu,
# with the mouse or with the keyboard (Up from the opened menu lands on it).
choose_about() {
    if [ "$1" = mouse ]; then
        MENU_SHOT=edit-menu choose_menu Edit mouse -13
    else
        choose_menu Edit keys Up Return
    fi
}

choose_about mouse
if splash=$(window_sized 350 200 5); then
    pass "About Quenvale (chosen with the mouse) shows the splash window"
    expect_eq "it is the splash window of the start" "$startup_splash" "$splash"
    pause 1
    shot about
    check "the splash window stays up" is_visible "$splash"
    xdotool mousemove --window "$splash" 175 100 click 1
    check "a click in the splash window hides it" gone "$splash" 5
else
    fail "About Quenvale (chosen with the mouse) shows the splash window"
fi
check "the calculator keeps \"two-tailed\"" showing two-tailed yes
expect_eq "the calculator keeps its result" .3173 "$(read_result)"

choose_about keyboard
if splash=$(window_sized 350 200 5); then
    pass "About Quenvale (chosen with the keyboard) shows the splash window"
    check "the splash window has the focus" active "$splash" 5
    xdotool key space
    check "a key in the splash window hides it" gone "$splash" 5
else
    fail "About Quenvale (chosen with the keyboard) shows the splash window"
fi

# The small picture opens the "Information" window.
info_text() {  # window: selects and copies its whole text
    active "$1" 5
    clipboard_reset
    xdotool key ctrl+a ctrl+c
    clipboard_copied 3
}
click_control picture
if info=$(window_named Information 5); then
    pass "the small picture opens the Information window"
    eval "$(xdotool getwindowgeometry --shell "$info")"
    expect_eq "the Information window's size" 475x400 "${WIDTH}x${HEIGHT}"
    pause 0.3
    shot information
    text=$(info_text "$info")
    expect_eq "its text begins with the program's name" Quenvale "$(head -n 1 <<<"$text")"
    expect_eq "its text has 14 lines" 14 "$(awk 'END { print NR }' <<<"$text")"
    expect_eq "its ninth line is a rule of 78 hyphens" "$(printf '%.0s-' $(seq 78))" \
        "$(sed -n 9p <<<"$text")"
    # The text can be edited; the edit stays while the window is open.
    xdotool key ctrl+a
    type_text "edited"
else
    fail "the small picture opens the Information window"
fi

# A second click, with the calculator brought to the front by its title bar,
# shows the same window again and makes no second one.
xdotool mousemove --window "$CALC" 30 -10 click 1
check "a click on its title bar brings the calculator to the front" active "$CALC" 5
click_control picture
if [ -n "${info:-}" ]; then
    check "the second click brings the Information window to the front" active "$info" 5
    expect_eq "a second click makes no second Information window" 1 "$(count_named Information)"
    expect_eq "the edit is still there" edited "$(info_text "$info")"

    # Its close button closes it; the next click opens a fresh one.
    click_close_button "$info"
    check "the close button closes the Information window" gone "$info" 5
    expect_eq "no Information window is left" 0 "$(count_named Information)"
    click_control picture
    if info=$(window_named Information 5); then
        pass "a click after closing opens the Information window again"
        expect_eq "with its first text again" Quenvale "$(info_text "$info" | head -n 1)"
    else
        fail "a click after closing opens the Information window again"
    fi
fi
check "the calculator still keeps its result" showing result yes

# With the Information window and the splash window both showing, the
# calculator's close button ends the program.
choose_about keyboard
check "the splash window shows again" window_sized 350 200 5
check "the Information window is still open" window_named Information 2
pause 0.3
shot before-close
click_close_button "$CALC"
app_status 10
expect_eq "the calculator's close button ends the program with status 0" 0 "$STATUS"
e2e_finish
