#!/usr/bin/env bash
# wine-forced-end.sh PROBE: the single-instance lock of the Windows build
# after a forced end, under Wine (scripts/windows.sh runs it; WINEPREFIX and
# WINEPATH as it sets them). PROBE is the build's single_instance_probe.exe.
# A copy runs and a second one is refused; the first is killed, as End task,
# a crash or a power cut end it, and Wine's session starts anew (as a new
# logon or a reboot does, handing out process numbers again); then a start
# must run, though the lock file left behind names a live process. Exits
# non-zero, saying why, when it does not.
set -euo pipefail
probe="$1"
dir=$(mktemp -d)
pids=()
trap 'kill -9 "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$dir"' EXIT

# start NAME [FOLDER]: the probe in the background with its lock in FOLDER
# (by default the one folder of the checks), its output in $dir/NAME.
start() {
    local folder
    folder=$(winepath -w "${2:-$dir}")
    wine "$probe" "$folder" "$folder\\settings.ini" </dev/null >"$dir/$1" 2>/dev/null &
    pids+=($!)
}
# said NAME: the first line the probe started as NAME printed.
said() {
    for _ in $(seq 300); do
        grep -q . "$dir/$1" && break
        sleep 0.1
    done
    head -n 1 "$dir/$1" | tr -d '\r'
}
expect() {
    [ "$(said "$1")" = "$2" ] || { echo "error: $3: the probe said '$(said "$1")'" >&2; exit 1; }
}

# new_session: Wine's session from its start, its services up, as after a
# logon; two alike hand out the same process numbers.
new_session() {
    wineserver -k 2>/dev/null || true
    wine reg add 'HKCU\Software\Azivoder forced end' /f </dev/null >/dev/null 2>&1
}

new_session
start first
expect first running "the first start did not run"
start second
expect second "box: Application is already running" "a second copy was not refused"
{ kill -9 "${pids[0]}" && wait "${pids[0]}"; } 2>/dev/null || true
new_session
# The new session may hand the killed copy's number to another process, as
# a reboot does; here it surely does: to a copy with a lock of its own.
mkdir "$dir/elsewhere"
start other "$dir/elsewhere"
expect other running "a copy with a lock of its own did not run"
sed -i "1s/.*/$(head -n 1 "$dir/elsewhere"/*.lock)/" "$dir"/*.lock
start after
expect after running "a start after the forced end and a new session was refused"
echo "    a second copy refused; after a forced end and a new Wine session, a start runs"
