#!/usr/bin/env bash
# Runs one scenario (default: calculate) with the program under valgrind's
# memcheck; fails when memcheck reports any error or definite leak that
# valgrind.supp does not name.
here=$(cd "$(dirname "$0")" && pwd)
scenario=${1:-calculate}
BUILD=${BUILD:-$(cd "$here/../../build" && pwd)}
export BUILD
export SHOTS=${SHOTS:-$BUILD/e2e-screenshots/valgrind}
export E2E_PACE=${E2E_PACE:-4}
mkdir -p "$SHOTS"
log=$SHOTS/$scenario-memcheck.log
rm -f "$log"
# The accessibility bridge forks a D-Bus launcher; only the program counts.
export APP_WRAPPER="valgrind --tool=memcheck --error-exitcode=99 --leak-check=full
    --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40
    --child-silent-after-fork=yes --gen-suppressions=all
    --suppressions=$here/valgrind.supp --log-file=$log"

bash "$here/$scenario.sh"
status=$?
if [ ! -s "$log" ]; then
    echo "FAIL memcheck wrote no log ($log)"
    exit 1
fi
summary=$(grep 'ERROR SUMMARY' "$log" | tail -n 1)
echo "memcheck: ${summary#*== }"
if ! grep -q 'ERROR SUMMARY: 0 errors' <<<"$summary"; then
    echo "FAIL memcheck reports errors; their stacks and suppression stubs are in $log"
    exit 1
fi
exit $status
