#!/usr/bin/env bash
# A person works the calculator: a calculation of each test, a refused value
# and its message (which holds Ctrl+Q back), then the close button with the
# Information window open.
SCENARIO=calculate
source "$(dirname "$0")/lib.sh"
e2e_start
e2e_calculator

# Test, degrees of freedom ("-" for none), value, result. Choosing a test puts
# the focus into its first field, so that one is typed into straight away.
while read -r test df1 df2 value result; do
    click_control "$test"
    [ "$df1" != - ] && type_text "$df1"
    [ "$df2" != - ] && fill df2 "$df2"
    fill value "$value"
    click_control Calculate
    expect_eq "$test $value ($df1, $df2) gives $result" "$result" "$(read_result)"
    shot "$test" "$CALC"
done <<'END'
Z - - 1.96 .0500
t 10 - 2.228 .0500
F 1 10 4.96 .0501
X 1 - 3.841 .0500
END

fill value 9999.5
click_control Calculate
until_ok 10 other_active >/dev/null && xdotool key ctrl+q && pause 0.5
expect_eq "Chi-Square 9999.5 is refused with a message" \
    "Chi-Square values should range from 0 to 9999." "$(read_message)"

click_control picture && until_ok 5 window Information >/dev/null
click_close_button "$CALC"
app_status
expect_eq "the close button ends the program with 0, the Information window open" 0 "$STATUS"
e2e_finish
