#!/usr/bin/env bash
# Drives the program with the keyboard alone under a real Orca, headless,
# and checks what Orca says: each casting as it is made, the reset, a page
# tab's place in the tab list, the chart read house by house, the report,
# and the exit window's form fields as Tab reaches them.
#
#   orca_check.sh PROGRAM [TRANSCRIPT]
#
# TRANSCRIPT receives every step with what Orca spoke after it. Exits 0 when
# every expectation holds, 1 when one does not, 77 (skipped) when the
# machine lacks Orca or its helpers.
set -uo pipefail

PROGRAM="$1"
TRANSCRIPT="${2:-/dev/null}"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

for tool in Xvfb dbus-launch openbox speech-dispatcher orca xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: no at-spi-bus-launcher"; exit 77; }

source "$HERE/session.sh"
PROGRAM_PID=""
finish() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
    session_stop
    if [ "${ORCA_CHECK_KEEP:-0}" = 1 ]; then
        echo "kept: $SESSION_DIR" >&2
    else
        [ -n "$SESSION_DIR" ] && rm -rf "$SESSION_DIR"
    fi
}
trap finish EXIT
trap 'exit 2' INT TERM

: >"$TRANSCRIPT"
session_start || { [ -n "$SESSION_DIR" ] && tail -n 20 "$SESSION_DIR"/*.log >&2; exit 1; }

spoken_lines() { wc -l <"$SPEECH"; }

# settle SINCE: waits until Orca has said something past line SINCE and
# then nothing more for a moment (or gives up after a few seconds), and
# prints what it said, one utterance a line.
settle() {
    local since="$1" count last quiet=0
    last=$(spoken_lines)
    for ((i = 0; i < 120; i++)); do
        headless_pause 0.1
        count=$(spoken_lines)
        if [ "$count" -ne "$last" ]; then
            last=$count quiet=0
        elif [ "$count" -gt "$since" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 8 ] && break
        fi
    done
    tail -n +"$((since + 1))" "$SPEECH"
}

# step NAME KEY...: presses the keys one after the other and keeps what was
# said after them as the step's speech, in $STEPS_DIR/NAME.
STEPS_DIR="$SESSION_DIR/steps"
mkdir -p "$STEPS_DIR"
step() {
    local name="$1" since
    shift
    since=$(spoken_lines)
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        headless_pause 0.15
    done
    echo "$since" >"$STEPS_DIR/$name.since"
    settle "$since" >"$STEPS_DIR/$name"
    {
        echo "## $name ($*)"
        sed 's/^/    /' "$STEPS_DIR/$name"
    } >>"$TRANSCRIPT"
}

# Whether what was said since step NAME began matches PATTERN; keeps it as
# the step's speech. A loaded machine may speak a little after the step
# settled, so the expectation polls before it fails.
said_in_step() {
    tail -n +"$(($(cat "$STEPS_DIR/$1.since") + 1))" "$SPEECH" >"$STEPS_DIR/$1"
    grep -Eq -- "$2" "$STEPS_DIR/$1"
}

# step_held NAME MODIFIER KEY TIMES: presses KEY TIMES times with MODIFIER
# held down throughout, as a user moves word by word; Orca reads the
# modifier's state as the caret moves, which one combined xdotool key
# releases too early.
step_held() {
    local name="$1" modifier="$2" key="$3" times="$4" since
    since=$(spoken_lines)
    xdotool keydown "$modifier"
    for ((n = 0; n < times; n++)); do
        headless_pause 0.3
        xdotool key "$key"
    done
    headless_pause 0.3
    xdotool keyup "$modifier"
    echo "$since" >"$STEPS_DIR/$name.since"
    settle "$since" >"$STEPS_DIR/$name"
    {
        echo "## $name ($modifier held, $key x$times)"
        sed 's/^/    /' "$STEPS_DIR/$name"
    } >>"$TRANSCRIPT"
}

# step_until NAME PATTERN TRIES KEY: presses KEY until Orca says something
# matching PATTERN (at most TRIES times), as a user tabs to a control.
step_until() {
    local name="$1" pattern="$2" tries="$3" key="$4" since
    since=$(spoken_lines)
    for ((n = 0; n < tries; n++)); do
        xdotool key --clearmodifiers "$key"
        settle "$(spoken_lines)" >/dev/null
        tail -n +"$((since + 1))" "$SPEECH" | grep -Eq -- "$pattern" && break
    done
    echo "$since" >"$STEPS_DIR/$name.since"
    tail -n +"$((since + 1))" "$SPEECH" >"$STEPS_DIR/$name"
    {
        echo "## $name ($key until /$pattern/)"
        sed 's/^/    /' "$STEPS_DIR/$name"
    } >>"$TRANSCRIPT"
}

FAILURES=0
# expect NAME PATTERN: some utterance of the step matches the extended
# regular expression.
expect() {
    if grep -Eq -- "$2" "$STEPS_DIR/$1" || wait_for 5 said_in_step "$1" "$2"; then
        return 0
    fi
    echo "FAIL: after '$1' Orca did not say /$2/; it said:" >&2
    sed 's/^/    /' "$STEPS_DIR/$1" >&2
    FAILURES=$((FAILURES + 1))
}

# The program, with its accessibility bridge on as a desktop would have it.
start_program() {
    since=$(spoken_lines)
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$PROGRAM" >"$SESSION_DIR/program.log" 2>&1 &
    PROGRAM_PID=$!
}
said_since() { tail -n +"$((since + 1))" "$SPEECH" | grep -q "$1"; }
start_program
# On a loaded machine Orca can miss the first window of a program whose
# bridge registers late, and then hears nothing of it at all; a second start
# tells that apart from a program Orca never hears.
if ! wait_for 20 said_since "push button"; then
    session_log "the main window was not announced; starting the program once more"
    kill "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
    start_program
    if ! wait_for 20 said_since "push button"; then
        echo "FAIL: Orca never announced the main window; program log:" >&2
        sed 's/^/    /' "$SESSION_DIR/program.log" >&2
        exit 1
    fi
fi
echo "$since" >"$STEPS_DIR/start.since"
settle "$since" >"$STEPS_DIR/start"
{ echo "## start"; sed 's/^/    /' "$STEPS_DIR/start"; } >>"$TRANSCRIPT"

source "$HERE/scenario.sh"

if [ "$FAILURES" -gt 0 ]; then
    echo "$FAILURES expectation(s) failed; transcript: $TRANSCRIPT" >&2
    exit 1
fi
echo "Orca said what was expected at every step."
