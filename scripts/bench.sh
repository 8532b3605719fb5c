#!/usr/bin/env bash
# Installs whatever is missing, builds Release (with debug information, which
# does not change the code) in build/bench and prints the benchmarks' figures:
# the offscreen benchmarks, then the program on a real X server (Xvfb) side
# by side with a bare Qt window of one label and one button. Not part of the
# test command: figures, not pass/fail.
#
#   scripts/bench.sh [--runs N] [--clicks N] [--readings N] [--profile] [--only-display]
#                    [--baseline EXECUTABLE]
#
#   --runs N       start-up runs per executable, alternated (default 9; at
#                  least 7 counts); the click runs are repeated 3 times
#   --clicks N     clicks per CPU run (default 900, a multiple of nine presses)
#   --readings N   readings (nine presses each) before the last RSS figure
#                  (default 1000, at least 100)
#   --profile      also record the program's clicks with perf (call graphs)
#                  and print the top of the profile, with and without
#                  accessibility; the data stays in build/bench/profile
#   --only-display skip the offscreen benchmarks
#   --only-reading time azivoder-reading alone (no X server, no offscreen
#                  benchmarks)
#   --baseline EXE another build of the program (one with the same probe),
#                  timed in the same alternation and set against this one in
#                  a second table: a before and after on a machine whose load
#                  changes from minute to minute
#
# How it measures:
# - start to painted: the launcher notes the wall clock and execs the
#   executable; the probe in the executable (tests/benchmarks/BenchProbe.cpp,
#   linked into the program only by the build option AZIVODER_BENCH_PROBE,
#   active only when the variable AZIVODER_BENCH_PROBE is set) notes the wall clock once the first
#   frame has been painted, flushed and read back from the X server. Each run
#   gets a new HOME and XDG folders, so no lock or setting survives; the
#   settings say the update question was asked today, so it is not asked.
# - CPU per click: utime + stime of the process from /proc/PID/stat, before
#   and after `xdotool click --repeat N --delay 4` on the casting button (on
#   the bare window's button for the bare window), divided by N. The probe
#   counts the clicks that arrived, and the figure is taken only once all
#   have and the process has gone quiet.
# - accessibility: the same, inside a D-Bus session with the accessibility
#   bus, QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and a listener that registers for
#   the events a screen reader follows (scripts/atspi_listener.py).
# - RSS: VmRSS once the window has been painted and the process is quiet,
#   after 100 readings and after the given number of readings.
# The machine may be shared: figures are medians, and the load average is
# printed with them.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=9
CLICKS=900
READINGS=1000
PROFILE=0
OFFSCREEN=1
CLICK_RUNS=3
BASELINE=""
ONLY_READING=0
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) RUNS="$2"; shift 2 ;;
    --clicks) CLICKS="$2"; shift 2 ;;
    --readings) READINGS="$2"; shift 2 ;;
    --profile) PROFILE=1; shift ;;
    --only-display) OFFSCREEN=0; shift ;;
    --only-reading) ONLY_READING=1; OFFSCREEN=0; shift ;;
    --baseline) BASELINE="$(realpath "$2")"; shift 2 ;;
    *)
        echo "usage: $0 [--runs N] [--clicks N] [--readings N] [--profile] [--only-display] [--baseline EXE]" \
            "[--only-reading]" >&2
        exit 2
        ;;
    esac
done

# What the display measurements need on top of the build's packages.
PACKAGES+=(xvfb xdotool x11-utils dbus-x11 at-spi2-core python3-pyatspi time)
[ "$PROFILE" -eq 1 ] && PACKAGES+=(linux-perf)
install_missing_packages

BUILD="$ROOT/build/bench"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g \
    -DAZIVODER_BUILD_TESTS=ON -DAZIVODER_SANITIZE=OFF -DAZIVODER_BENCH_PROBE=ON >/dev/null
TARGETS=(azivoder-reading)
[ "$ONLY_READING" -eq 1 ] || TARGETS+=(azivoder bare_window bench_casting bench_report)
cmake --build "$BUILD" --parallel "$(nproc)" --target "${TARGETS[@]}"
PROGRAM="$BUILD/app/azivoder"
BARE="$BUILD/tests/benchmarks/bare_window"

if [ "$OFFSCREEN" -eq 1 ]; then
    echo "== Offscreen benchmarks (load: $(cut -d' ' -f1-3 /proc/loadavg))"
    ctest --test-dir "$BUILD" --label-regex benchmark --verbose |
        grep -E 'RESULT|per iteration|median|FAIL|Totals' || true
fi

WORK="$(mktemp -d "${TMPDIR:-/tmp}/azivoder-bench.XXXXXX")"
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

# azivoder-reading: CPU time (user + system of the tool alone, as the shell's
# `times` reports its children, so other load on the machine does not count)
# of one reading as a whole process and of 10,000 readings as JSON Lines, the
# median of 7 runs each; and the peak RSS of 10,000 and 100,000 readings,
# which stays flat when nothing is kept per reading.
READING_TOOL="$BUILD/src/cli/azivoder-reading"
reading_cpu() { # COUNT: CPU seconds of one run
    (
        "$READING_TOOL" --seed 1 --count "$1" --format json >/dev/null
        times
    ) | awk 'NR == 2 {
        split($0, t, /[ms]+/) # "0m0.052s 0m0.004s": minutes, seconds, twice
        printf "%.3f\n", t[1] * 60 + t[2] + t[3] * 60 + t[4]
    }'
}
reading_median() { # COUNT RUNS: median CPU seconds
    for _ in $(seq "$2"); do reading_cpu "$1"; done | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
reading_rss_kib() { # COUNT: peak RSS of one run
    /usr/bin/time -f '%M' "$READING_TOOL" --seed 1 --count "$1" --format json 2>&1 >/dev/null | tail -1
}
ONE_READING=$(reading_median 1 7)
BULK_READINGS=$(reading_median 10000 7)
RSS_10K=$(reading_rss_kib 10000)
RSS_100K=$(reading_rss_kib 100000)
echo "== azivoder-reading (load: $(cut -d' ' -f1-3 /proc/loadavg))"
echo
echo "| what | CPU (user + sys), median of 7 | peak RSS | goal |"
echo "|---|---|---|---|"
echo "| one reading, the whole process | $(awk -v s="$ONE_READING" 'BEGIN {printf "%.1f ms", s * 1000}') | - | - |"
echo "| 10,000 readings as JSON Lines (--count 10000 --format json) | ${BULK_READINGS} s |" \
    "$(awk -v a="$RSS_10K" -v b="$RSS_100K" 'BEGIN {printf "%.1f MB (100,000: %.1f MB)", a / 1024, b / 1024}') |" \
    "<= 0.1 s, flat |"
echo
[ "$ONLY_READING" -eq 1 ] && exit 0

# Displays of our own and waits that cost next to nothing.
source "$ROOT/scripts/headless.sh"
headless_init "$WORK"
headless_display PIDS "$WORK/display"
export DISPLAY=":$(cat "$WORK/display")"
export QT_QPA_PLATFORM=xcb

cpu_ticks() { # utime + stime of process $1, in clock ticks
    local fields
    read -ra fields <"/proc/$1/stat"
    echo $((fields[13] + fields[14]))
}
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
probe_value() { awk -v key="$2" '$1 == key {print $2; exit}' "$1"; }
button_at() { awk -v name="$2" '$1 == "button" && $2 == name {print $3, $4; exit}' "$1"; }

# Waits until process $1 has used no CPU for $2 seconds.
wait_quiet() {
    local before after
    after=$(cpu_ticks "$1")
    while :; do
        before=$after
        headless_pause "$2"
        after=$(cpu_ticks "$1")
        [ "$before" -eq "$after" ] && return 0
    done
}

# launch EXECUTABLE [VAR=VALUE...]: starts it in fresh HOME and XDG folders
# and waits for its first painted frame. Sets LAUNCHED_PID, RUN_DIR and
# STARTUP_MS (launch to painted, in milliseconds).
launch() {
    local executable="$1"
    shift
    RUN_DIR="$(mktemp -d "$WORK/run.XXXXXX")"
    mkdir -p "$RUN_DIR/home/.config/azivoder" "$RUN_DIR/runtime"
    chmod 700 "$RUN_DIR/runtime"
    # The question was asked today: no message box before the main window.
    printf '[Settings]\nLastReminderDate=%s\n' "$(date +%F)" >"$RUN_DIR/home/.config/azivoder/azivoder.conf"
    env HOME="$RUN_DIR/home" XDG_CONFIG_HOME="$RUN_DIR/home/.config" XDG_CACHE_HOME="$RUN_DIR/home/.cache" \
        XDG_DATA_HOME="$RUN_DIR/home/.local/share" XDG_RUNTIME_DIR="$RUN_DIR/runtime" \
        AZIVODER_BENCH_PROBE="$RUN_DIR/probe" "$@" \
        bash -c 'echo "${EPOCHREALTIME/./}" >"$0"; exec "$1"' "$RUN_DIR/launched" "$executable" &
    LAUNCHED_PID=$!
    PIDS+=("$LAUNCHED_PID")
    local i
    for i in $(seq 2000); do
        [ -s "$RUN_DIR/probe" ] && break
        headless_pause 0.01
    done
    if [ ! -s "$RUN_DIR/probe" ]; then
        echo "error: $executable painted no window" >&2
        exit 1
    fi
    local painted launched
    painted=$(probe_value "$RUN_DIR/probe" first-paint)
    launched=$(cat "$RUN_DIR/launched")
    STARTUP_MS=$(awk -v p="$painted" -v l="$launched" 'BEGIN {printf "%.1f", (p / 1000 - l) / 1000}')
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2fx", a / b; else print "-"}'; }

# click_run EXECUTABLE BUTTON CLICKS [VAR=VALUE...]: CPU milliseconds per
# click. With PERF_OUT set, perf records the clicks into that file.
click_run() {
    local executable="$1" button="$2" clicks="$3"
    shift 3
    launch "$executable" "$@"
    local pid=$LAUNCHED_PID probe="$RUN_DIR/probe" x y before after perf_pid=""
    wait_quiet "$pid" 0.5
    read -r x y < <(button_at "$probe" "$button")
    if [ -n "${PERF_OUT:-}" ]; then
        perf record -e cpu-clock -F 2000 --call-graph dwarf,16384 -p "$pid" -o "$PERF_OUT" 2>/dev/null &
        perf_pid=$!
        headless_pause 0.5
    fi
    before=$(cpu_ticks "$pid")
    DISPLAY=${CLICK_DISPLAY:-$DISPLAY} xdotool mousemove "$x" "$y" click --repeat "$clicks" --delay 4 1
    while [ "$(probe_value "$probe" clicks)" != "$clicks" ]; do
        headless_pause 0.1
    done
    wait_quiet "$pid" 0.3
    after=$(cpu_ticks "$pid")
    if [ -n "$perf_pid" ]; then
        kill -INT "$perf_pid"
        wait "$perf_pid" 2>/dev/null || true
    fi
    CLICK_PID=$pid
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v n="$clicks" 'BEGIN {printf "%.3f\n", t * 1000 / hz / n}'
}

# Accessibility runs get a display, a D-Bus session and an accessibility
# bus of their own (its launcher marks the display's root window), with a
# listener registered as a screen reader would be; the other runs see none
# of it.
headless_display PIDS "$WORK/display-a11y"
A11Y_DISPLAY=":$(cat "$WORK/display-a11y")"
DISPLAY=$A11Y_DISPLAY headless_dbus PIDS
A11Y_BUS_ADDRESS=$HEADLESS_BUS
DISPLAY=$A11Y_DISPLAY DBUS_SESSION_BUS_ADDRESS=$A11Y_BUS_ADDRESS /usr/bin/python3 "$ROOT/scripts/atspi_listener.py" \
    >"$WORK/listener.out" 2>&1 &
PIDS+=($!)
for _ in $(seq 200); do
    grep -q listening "$WORK/listener.out" && break
    headless_pause 0.05
done
accessible_click_run() {
    CLICK_DISPLAY=$A11Y_DISPLAY click_run "$@" DISPLAY="$A11Y_DISPLAY" DBUS_SESSION_BUS_ADDRESS="$A11Y_BUS_ADDRESS" \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
unset DBUS_SESSION_BUS_ADDRESS

echo "== On an X server ($DISPLAY, Xvfb), load before: $(cut -d' ' -f1-3 /proc/loadavg)"

# Start-up, alternated so that a busy spell of the machine hits both.
: >"$WORK/start-program"
: >"$WORK/start-bare"
: >"$WORK/start-baseline"
for run in $(seq "$RUNS"); do
    for which in program bare ${BASELINE:+baseline}; do
        case $which in
        program) executable=$PROGRAM ;;
        bare) executable=$BARE ;;
        baseline) executable=$BASELINE ;;
        esac
        launch "$executable"
        echo "$STARTUP_MS" >>"$WORK/start-$which"
        wait_quiet "$LAUNCHED_PID" 0.2
        stop "$LAUNCHED_PID"
    done
    echo "  start-up run $run: program $(tail -1 "$WORK/start-program") ms, bare $(tail -1 "$WORK/start-bare") ms" \
        "${BASELINE:+, baseline $(tail -1 "$WORK/start-baseline") ms}"
done
START_PROGRAM=$(median <"$WORK/start-program")
START_BARE=$(median <"$WORK/start-bare")

# CPU per click, alternated as well.
: >"$WORK/cpu-program"
: >"$WORK/cpu-bare"
: >"$WORK/cpu-a11y"
: >"$WORK/cpu-bare-a11y"
: >"$WORK/cpu-baseline"
: >"$WORK/cpu-baseline-a11y"
for run in $(seq "$CLICK_RUNS"); do
    click_run "$PROGRAM" cmdProceed "$CLICKS" >>"$WORK/cpu-program"
    stop "$CLICK_PID"
    click_run "$BARE" bareButton "$CLICKS" >>"$WORK/cpu-bare"
    stop "$CLICK_PID"
    accessible_click_run "$PROGRAM" cmdProceed "$CLICKS" >>"$WORK/cpu-a11y"
    stop "$CLICK_PID"
    accessible_click_run "$BARE" bareButton "$CLICKS" >>"$WORK/cpu-bare-a11y"
    stop "$CLICK_PID"
    if [ -n "$BASELINE" ]; then
        click_run "$BASELINE" cmdProceed "$CLICKS" >>"$WORK/cpu-baseline"
        stop "$CLICK_PID"
        accessible_click_run "$BASELINE" cmdProceed "$CLICKS" >>"$WORK/cpu-baseline-a11y"
        stop "$CLICK_PID"
        echo "  baseline: $(tail -1 "$WORK/cpu-baseline"), with accessibility $(tail -1 "$WORK/cpu-baseline-a11y")"
    fi
    echo "  click run $run (ms per click): program $(tail -1 "$WORK/cpu-program"), bare $(tail -1 "$WORK/cpu-bare")," \
        "program with accessibility $(tail -1 "$WORK/cpu-a11y"), bare with accessibility $(tail -1 "$WORK/cpu-bare-a11y")"
done
CPU_PROGRAM=$(median <"$WORK/cpu-program")
CPU_BARE=$(median <"$WORK/cpu-bare")
CPU_A11Y=$(median <"$WORK/cpu-a11y")
CPU_BARE_A11Y=$(median <"$WORK/cpu-bare-a11y")

# RSS after start, after 100 readings (caches and allocator arenas have
# warmed up by then) and after the given number of readings.
launch "$PROGRAM"
wait_quiet "$LAUNCHED_PID" 0.5
RSS_START=$(rss_kib "$LAUNCHED_PID")
read -r x y < <(button_at "$RUN_DIR/probe" cmdProceed)
done_presses=0
for presses in 900 $((READINGS * 9)); do
    [ "$presses" -gt "$done_presses" ] || continue # --readings 100: one batch is both figures
    xdotool mousemove "$x" "$y" click --repeat $((presses - done_presses)) --delay 4 1
    while [ "$(probe_value "$RUN_DIR/probe" clicks)" != "$presses" ]; do
        headless_pause 0.2
    done
    wait_quiet "$LAUNCHED_PID" 0.5
    [ "$presses" -eq 900 ] && RSS_WARM=$(rss_kib "$LAUNCHED_PID")
    done_presses=$presses
done
RSS_AFTER=$(rss_kib "$LAUNCHED_PID")
stop "$LAUNCHED_PID"
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo
echo "| what | program | bare window | ratio | goal |"
echo "|---|---|---|---|---|"
echo "| exec to painted window, median of $RUNS alternated runs | $START_PROGRAM ms | $START_BARE ms |" \
    "$(ratio "$START_PROGRAM" "$START_BARE") | <= 1.2x |"
echo "| CPU per click (program: casting button), median of $CLICK_RUNS runs of $CLICKS | $CPU_PROGRAM ms |" \
    "$CPU_BARE ms | $(ratio "$CPU_PROGRAM" "$CPU_BARE") | <= 3x |"
echo "| the same with accessibility active (ratio: against the program without it) | $CPU_A11Y ms |" \
    "$CPU_BARE_A11Y ms | $(ratio "$CPU_A11Y" "$CPU_PROGRAM") | <= 2x |"
echo "| RSS after $READINGS readings / after 100 / after start | $(mb "$RSS_AFTER") / $(mb "$RSS_WARM") /" \
    "$(mb "$RSS_START") MB | - | $(ratio "$RSS_AFTER" "$RSS_WARM") / $(ratio "$RSS_AFTER" "$RSS_START") | flat |"

if [ -n "$BASELINE" ]; then
    START_BASELINE=$(median <"$WORK/start-baseline")
    CPU_BASELINE=$(median <"$WORK/cpu-baseline")
    CPU_BASELINE_A11Y=$(median <"$WORK/cpu-baseline-a11y")
    echo
    echo "Against the baseline $BASELINE, timed in the same alternation:"
    echo
    echo "| what | this build | baseline | this build / baseline |"
    echo "|---|---|---|---|"
    echo "| exec to painted window | $START_PROGRAM ms | $START_BASELINE ms | $(ratio "$START_PROGRAM" "$START_BASELINE") |"
    echo "| CPU per casting press | $CPU_PROGRAM ms | $CPU_BASELINE ms | $(ratio "$CPU_PROGRAM" "$CPU_BASELINE") |"
    echo "| the same with accessibility | $CPU_A11Y ms | $CPU_BASELINE_A11Y ms |" \
        "$(ratio "$CPU_A11Y" "$CPU_BASELINE_A11Y") |"
    echo "| accessibility against none | $(ratio "$CPU_A11Y" "$CPU_PROGRAM") | $(ratio "$CPU_BASELINE_A11Y" "$CPU_BASELINE") | |"
fi

if [ "$PROFILE" -eq 1 ]; then
    mkdir -p "$BUILD/profile"
    PERF_OUT="$BUILD/profile/press.data" click_run "$PROGRAM" cmdProceed "$CLICKS" >/dev/null
    stop "$CLICK_PID"
    PERF_OUT="$BUILD/profile/press-a11y.data" accessible_click_run "$PROGRAM" cmdProceed "$CLICKS" >/dev/null
    stop "$CLICK_PID"
    for data in press press-a11y; do
        report=(perf report -i "$BUILD/profile/$data.data" --stdio -g none)
        {
            echo "## by thread"
            "${report[@]}" --no-children --sort comm 2>/dev/null | grep -v '^#' | grep -v '^$'
            echo "## by library (self)"
            "${report[@]}" --no-children --sort dso --percent-limit 0.5 2>/dev/null | grep -v '^#' | grep -v '^$'
            echo "## by function (self)"
            "${report[@]}" --no-children --sort dso,sym --percent-limit 0.6 2>/dev/null | grep -v '^#' |
                grep -v '^$' | c++filt | cut -c1-160
            echo "## by function (with callees)"
            "${report[@]}" --children --sort sym --percent-limit 4 2>/dev/null | grep -v '^#' | grep -v '^$' |
                c++filt | cut -c1-160
        } >"$BUILD/profile/$data.txt"
        echo
        echo "== Profile of $CLICKS presses ($data): $BUILD/profile/$data.txt"
        head -60 "$BUILD/profile/$data.txt"
    done
fi
