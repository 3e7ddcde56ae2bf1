#!/usr/bin/env bash
# Quenvale started where it cannot open a display, load its platform or find a
# screen: one plain line on standard error, naming what failed, and status 1, not
# an abort. Where Qt is told to abort on a warning, it still does, after the line.
# Options on its command line are not Qt's to take; Qt's environment settings
# still are.
source "$(dirname "$0")/lib.sh"
# timeout would add a line of its own to standard error when the program dumps core.
ulimit -c 0

SILENT=":$(free_display 600 999)"  # no X server answers there

# what | expected status | expected standard error ('*' any) | DISPLAY ('-' none) |
# more environment (NAME=value ...; '-' none) | program name (printf %b escapes; '-' as
# built) | arguments
# Status 124: still running when the time is up, so the GUI did start; 134: Qt aborted.
CASES=(
    "no display|1|quenvale: could not open the display|-|-|-|"
    "an empty DISPLAY|1|quenvale: could not open the display||-|-|"
    "a display that does not answer|1|quenvale: could not open the display $SILENT|$SILENT|-|-|"
    "-platform on the command line is not Qt's|1|quenvale: could not open the display|-|-|-|-platform offscreen"
    "the environment still picks the platform|124|*|-|QT_QPA_PLATFORM=offscreen|-|-platform xcb"
    # The plugin is what failed, not the display, which is never tried.
    "a platform plugin that does not exist|1|quenvale: Could not find the Qt platform plugin \"nonesuch\" in \"\"|$SILENT|QT_QPA_PLATFORM=nonesuch|-|"
    "Qt's debug messages do not enter the line|1|quenvale: Could not find the Qt platform plugin \"nonesuch\" in \"\"|$SILENT|QT_QPA_PLATFORM=nonesuch QT_LOGGING_RULES=*.debug=true|-|"
    "a platform without a screen|1|quenvale: no screen to show windows on|-|QT_QPA_PLATFORM=linuxfb:fb=/dev/null|-|"
    "warnings made fatal|134|quenvale: could not open the display|-|QT_FATAL_WARNINGS=1|-|"
    "a fatal count that is never reached|1|quenvale: could not open the display|-|QT_FATAL_WARNINGS=-2147483648|-|"
    "a program name with control characters|1|que\\x0anvale\\x1b[31m: could not open the display|-|-|que\\nnvale\\e[31m|"
)

for row in "${CASES[@]}"; do
    IFS='|' read -r what status stderr display more name args <<<"$row"
    environment=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u QT_QPA_PLATFORM_PLUGIN_PATH
        -u QT_FATAL_WARNINGS -u QT_FATAL_CRITICALS -u QT_LOGGING_RULES)
    [ "$display" = - ] || environment+=("DISPLAY=$display")
    [ "$more" = - ] || { read -ra settings <<<"$more" && environment+=("${settings[@]}"); }
    [ "$name" = - ] && name=$BUILD/quenvale || name=$(printf '%b' "$name")
    limit=$((status == 124 ? 5 : 30))
    # shellcheck disable=SC2016,SC2086  # $0 and $@ are the inner shell's; the arguments split
    got_stderr=$(env "${environment[@]}" timeout "$limit" \
        bash -c 'exec -a "$0" "$@"' "$name" "$BUILD/quenvale" $args 2>&1 >/dev/null)
    got_status=$?
    expect_eq "$what: status" "$status" "$got_status"
    [ "$stderr" = "*" ] || expect_eq "$what: standard error" "$stderr" "$got_stderr"
done
echo "$PASSES passed, $FAILURES failed"
[ "$FAILURES" -eq 0 ]
