#!/usr/bin/env bash
# A person ends Quenvale from its menu: a click on "File", then on "Quit".
SCENARIO=quit
source "$(dirname "$0")/lib.sh"
e2e_start_calculator

# "Quit" is the File menu's first item.
MENU_SHOT=file-menu check "File > Quit chosen with the mouse" choose_menu File mouse 12
app_status 10
expect_eq "File > Quit ends the program with status 0" 0 "$STATUS"
e2e_finish
