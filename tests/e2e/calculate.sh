#!/usr/bin/env bash
# A person works the calculator: a calculation of each test, the messages of
# refused values, keys the fields refuse, and Clear.
SCENARIO=calculate
source "$(dirname "$0")/lib.sh"
e2e_start_calculator

NO_TEST="No test statistic selected. Select Z, t, F, or Chi-Square"

# What shows right after choosing a test (the shown controls are checked
# first: once they show, the choice has been made): the chosen button's mark
# and no other, and the fields of the test. After F the result field and "p"
# keep whatever visibility they had.
expect_layout() {
    local what="after choosing $1" other others=()
    for other in Z t F X; do
        [ "$other" != "$1" ] && others+=("$other-mark")
    done
    expect_showing "$what" yes "$1-mark"
    expect_showing "$what" no "${others[@]}"
    case $1 in
        Z)
            expect_showing "$what" yes Value value
            expect_showing "$what" no dfBox df1Text df1 df2Text df2 N D p result two-tailed
            ;;
        t | X)
            expect_showing "$what" yes Value value dfBox df1Text df1
            expect_showing "$what" no df2Text df2 N D p result two-tailed
            ;;
        F)
            expect_showing "$what" yes Value value dfBox df1Text df1 df2Text df2 N D
            expect_showing "$what" no two-tailed
            ;;
    esac
}

# Chooses test $1 and fills in degrees of freedom $2 and $3 and the value $4,
# as a person would: the chosen test puts the focus into its first field, so
# that field is typed into straight away; the others are clicked first.
enter() {
    local test=$1 df1=$2 df2=$3 value=$4
    click_control "$test"
    [ -n "${CHECK_LAYOUT:-}" ] && expect_layout "$test"
    if [ "$test" = Z ]; then
        [ -n "$value" ] && type_text "$value"
        return
    fi
    [ -n "$df1" ] && type_text "$df1"
    [ -n "$df2" ] && fill df2 "$df2"
    [ -n "$value" ] && fill value "$value"
}

expect_eq "Calculate before any test is chosen" "$NO_TEST" "$(click_control Calculate; read_message)"

# A calculation of each test: test, df1, df2, value, result, "two-tailed" shown.
# F comes after a t result and t after a Z result.
CHECK_LAYOUT=1
while read -r name test df1 df2 value result tails; do
    [ "$df1" = - ] && df1=""
    [ "$df2" = - ] && df2=""
    enter "$test" "$df1" "$df2" "$value"
    shot "$name-entered" "$CALC"
    click_control Calculate
    check "$name: the result field shows" showing result yes 10
    if [ "$tails" = yes ]; then
        check "$name: \"two-tailed\" shows" showing two-tailed yes
    else
        check "$name: no \"two-tailed\"" showing two-tailed no
    fi
    check "$name: \"p\" shows" showing p yes
    shot "$name" "$CALC"
    expect_eq "$name: the result" "$result" "$(read_result)"
done <<'EOF'
z-1.96 Z - - 1.96 .0500 yes
z-minus-1 Z - - -1 .3173 yes
t-2.228-df10 t 10 - 2.228 .0500 yes
f-4.96-df1-10 F 1 10 4.96 .0501 no
chi-3.841-df1 X 1 - 3.841 .0500 no
EOF
CHECK_LAYOUT=""

# The first refused value of each test: test, df1, df2, value, message.
while IFS='|' read -r test df1 df2 value message; do
    enter "$test" "$df1" "$df2" "$value"
    click_control Calculate
    shot_name=""
    [ "$test" = F ] && [ -n "$df2" ] && shot_name=message
    expect_eq "$test ($df1/$df2) [$value] is refused" "$message" "$(read_message $shot_name)"
done <<'EOF'
Z|||9.5|Z values should range from -9 to 9.
Z||||Enter a Z value.
t|||1|Degrees of freedom should range from 1 to 9999.
t|10||-1|t values should range from 0 to 999.
F|||2|Numerator degrees of freedom should range from 1 to 9999.
F|1||2|Denominator degrees of freedom should range from 1 to 9999.
F|1|10|0.5|F values should range from 1 to 9999
X|1|||Enter a Chi-Square value.
X|1||-0.5|Chi-Square values should range from 0 to 9999.
EOF

# Keys the fields refuse: the field keeps the keys of its set only, up to its
# length (4 for degrees of freedom, 7 for the value).
click_control F
while IFS='|' read -r field keys kept; do
    fill "$field" "$keys"
    expect_eq "typing [$keys] into $field keeps [$kept]" "$kept" "$(read_field "$field")"
done <<'EOF'
df1|1-2.a/3|123
df2|98765|9876
value|-1.5/a+, :e|-1.5/
value|123456789|1234567
EOF

# A refused key changes nothing, not even a shown result; an accepted one
# takes the result off the screen.
enter Z "" "" 1
click_control Calculate
check "Z 1: the result shows" showing result yes 10
click_control value
type_text "a"
expect_eq "\"a\" in the value field leaves it unchanged" 1 "$(read_field value)"
check "\"a\" leaves the result shown" showing result yes
expect_eq "\"a\" leaves the result unchanged" .3173 "$(read_result)"
type_text "x5"
expect_eq "typing into the read-only result field changes nothing" .3173 "$(read_field result)"
fill value ""
expect_showing "after emptying the value" no result p two-tailed
click_control Calculate
expect_eq "Calculate after the value was emptied" "Enter a Z value." "$(read_message)"

# Clear after an F result: every entry and result control hides, the frame
# of the degrees of freedom stays, and no test is chosen any more.
enter F 2 20 3.49
click_control Calculate
expect_eq "F 3.49 with 2 and 20" .0501 "$(read_result)"
click_control Clear
expect_showing "after Clear" no Value value p result two-tailed df1 df2 N D df1Text df2Text \
    Z-mark t-mark F-mark X-mark
check "the degrees-of-freedom frame stays" showing dfBox yes
shot cleared "$CALC"
expect_eq "Calculate after Clear" "$NO_TEST" "$(click_control Calculate; read_message)"

# Choosing a test after Clear starts from empty fields.
CHECK_LAYOUT=1 enter t "" "" ""
expect_eq "the degrees-of-freedom field is empty again" "" "$(read_field df1)"

click_close_button "$CALC"
app_status 10
expect_eq "closing the calculator window ends the program with status 0" 0 "$STATUS"
e2e_finish
