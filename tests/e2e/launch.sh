#!/usr/bin/env bash
# Quenvale started where it cannot open a display: one plain line on standard
# error and status 1, not an abort. Options on its command line are not Qt's
# to take; Qt's environment settings still are.
set -u
BUILD=${BUILD:-$(cd "$(dirname "$0")/../../build" && pwd)}
APP=$BUILD/quenvale
FAILURES=0

# A display number that no X server answers on.
for n in $(seq 600 999); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
SILENT=":$n"

# what | expected status | expected standard error ('*' any) | DISPLAY ('-' none) | QT_QPA_PLATFORM ('-' none) | arguments
# Status 124: still running when the time is up, so the GUI did start.
CASES=(
    "no display|1|quenvale: could not open the display|-|-|"
    "a display that does not answer|1|quenvale: could not open the display $SILENT|$SILENT|-|"
    "-platform on the command line is not Qt's|1|quenvale: could not open the display|-|-|-platform offscreen"
    "the environment still picks the platform|124|*|-|offscreen|-platform xcb"
)

for row in "${CASES[@]}"; do
    IFS='|' read -r what status stderr display platform args <<<"$row"
    environment=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    [ "$display" = - ] || environment+=("DISPLAY=$display")
    [ "$platform" = - ] || environment+=("QT_QPA_PLATFORM=$platform")
    limit=30
    [ "$status" = 124 ] && limit=5
    # shellcheck disable=SC2086  # the arguments are meant to split
    got_stderr=$(env "${environment[@]}" timeout "$limit" "$APP" $args 2>&1 >/dev/null)
    got_status=$?
    if [ "$got_status" != "$status" ]; then
        printf 'FAIL %s: status %s, expected %s\n%s\n' "$what" "$got_status" "$status" "$got_stderr"
        FAILURES=$((FAILURES + 1))
    elif [ "$stderr" != "*" ] && [ "$got_stderr" != "$stderr" ]; then
        printf 'FAIL %s: standard error\n[%s]\nexpected\n[%s]\n' "$what" "$got_stderr" "$stderr"
        FAILURES=$((FAILURES + 1))
    else
        printf 'ok   %s\n' "$what"
    fi
done
exit $((FAILURES > 0))
