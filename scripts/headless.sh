# Sourced by scripts/bench.sh and tests/orca/session.sh: an X server of
# their own (Xvfb), a D-Bus session on it, and waiting that costs no child
# process (the programs measured and checked share the machine's cores).
# Each function that starts a process adds its number to the array the
# caller names, which the caller ends.

# headless_init DIR: a pipe in DIR that is never written, for headless_pause.
headless_init() {
    mkfifo "$1/never"
    exec {HEADLESS_NEVER}<>"$1/never"
}

# headless_pause SECONDS
headless_pause() { read -r -t "$1" -u "$HEADLESS_NEVER" || true; }

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local limit="$1" tries i
    shift
    tries=$(awk -v s="$limit" 'BEGIN {print int(s * 20)}')
    for ((i = 0; i < tries; i++)); do
        "$@" && return 0
        headless_pause 0.05
    done
    return 1
}

# headless_display PIDS FILE [NUMBER]: Xvfb on display NUMBER, or on a free
# one it picks; FILE then holds the number, its log FILE.log. False when
# it did not start within 10 s.
headless_display() {
    local -n headless_pids="$1"
    local file="$2"
    if [ -n "${3:-}" ]; then
        Xvfb ":$3" -screen 0 1280x1024x24 -nolisten tcp 2>"$file.log" &
        headless_pids+=($!)
        echo "$3" >"$file"
        wait_for 10 test -e "/tmp/.X11-unix/X$3"
    else
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" 2>"$file.log" &
        headless_pids+=($!)
    fi
    wait_for 10 test -s "$file"
}

# headless_dbus PIDS: a D-Bus session for $DISPLAY; its address in
# HEADLESS_BUS. False when none could be started.
headless_dbus() {
    local -n headless_pids="$1"
    local bus
    bus=$(dbus-launch --sh-syntax) || return 1
    HEADLESS_BUS=$(sed -n "s/^DBUS_SESSION_BUS_ADDRESS='\(.*\)';$/\1/p" <<<"$bus")
    headless_pids+=("$(sed -n 's/^DBUS_SESSION_BUS_PID=\([0-9]*\);$/\1/p' <<<"$bus")")
}
