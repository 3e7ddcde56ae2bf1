#!/usr/bin/env bash
# Ctrl+Q ends Quenvale with status 0 from each of its windows, not only from the
# calculator. Text copied before stays for later: a clipboard manager, when one
# runs, receives it as Quenvale quits.
SCENARIO=quit
source "$(dirname "$0")/lib.sh"

# the window Ctrl+Q is pressed in | what is selected and copied there first ('-' nothing) |
# the selection a clipboard manager keeps ('-' none runs) | the first line it receives |
# a pattern (grep) another line fits
CASES=(
    "Information window|-|-|-|-"
    "About splash|-|-|-|-"
    "Information window|all its text|CLIPBOARD|Quenvale|^Reference as: "
    "Information window|all its text|PRIMARY|Quenvale|^Reference as: "
    "calculator|the value typed|CLIPBOARD|1.96|-"
    "Information window|all its text|-|-|-"
)

for n in "${!CASES[@]}"; do
    IFS='|' read -r from copy manager first line <<<"${CASES[n]}"
    SCENARIO=quit-$n-${from%% *}
    e2e_start
    e2e_calculator
    [ "$manager" = - ] || check "a clipboard manager runs" keeper_start "$manager"
    case $from in
    "About splash") choose_about && window=$(until_ok 5 window 350x200) ;;
    "Information window") click_control picture && window=$(until_ok 5 window Information) ;;
    *) window=$CALC && click_control Z && fill value 1.96 ;;
    esac
    check "the $from has the focus" until_ok 5 is_active "$window"
    [ "$copy" = - ] || xdotool key ctrl+a ctrl+c
    quit_at=$(date +%s.%N)
    xdotool key ctrl+q
    app_status
    echo "     (ended $(echo "$(date +%s.%N) - $quit_at" | bc) s after Ctrl+Q)"
    what="Ctrl+Q in the $from"
    [ "$copy" = - ] || what+=" after copying $copy"
    [ "$manager" = - ] || what+=" with a manager that keeps the $manager"
    expect_eq "$what ends the program with status 0" 0 "$STATUS"
    if [ "$manager" != - ]; then
        received=$(kept)
        expect_eq "$what: the manager receives the copy from its first line" "$first" \
            "$(head -n 1 <<<"$received")"
        [ "$line" = - ] || check "$what: the manager receives a line '$line'" \
            grep -q -- "$line" <<<"$received"
    fi
done
e2e_finish
