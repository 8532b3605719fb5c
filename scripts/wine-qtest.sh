#!/usr/bin/env bash
# wine-qtest.sh PROGRAM [ARGUMENTS...]: runs one Qt Test program of the
# Windows build under Wine for CTest (scripts/windows.sh makes it the
# build's emulator). Qt Test on Windows sends its log to the debugger, not
# to standard output, unless a console is attached, so the log is written to
# a file and printed from there; the program's exit status is kept.
set -u
# Wine keeps the QT_ variables of Linux away from Windows programs; the
# test's own (the offscreen platform, a scale factor) pass as WINEQT_...
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -o '^QT_[A-Za-z0-9_]*=')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" -o "$log,txt" </dev/null
status=$?
tr -d '\r' <"$log"
exit "$status"
