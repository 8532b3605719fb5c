# A headless desktop with a screen reader, for the Orca checks: an X server
# of its own, a D-Bus session with the accessibility bus, a window manager,
# speech-dispatcher whose only voice writes each utterance as one line of a
# text file, and Orca itself. Sourced by orca_check.sh; every process it
# starts is ended by session_stop, also when the check fails half-way.

SESSION_PIDS=()
SESSION_DIR=""
SPEECH=""

session_log() { echo "[orca] $*" >&2; }

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/headless.sh"

session_start() {
    SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/orca-check.XXXXXX")
    headless_init "$SESSION_DIR"
    # Settings, caches and sockets of this run alone: neither the user's
    # Orca profile nor a speech-dispatcher already running is touched.
    export HOME="$SESSION_DIR/home"
    export XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_CACHE_HOME="$HOME/.cache" TMPDIR="$SESSION_DIR/tmp"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" \
        "$XDG_CACHE_HOME" "$TMPDIR"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0 LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset SPEECHD_ADDRESS

    SPEECH="$SESSION_DIR/speech.txt"
    : >"$SPEECH"
    write_speech_config

    # A free display number, or the one ORCA_CHECK_DISPLAY names.
    headless_display SESSION_PIDS "$SESSION_DIR/display" "${ORCA_CHECK_DISPLAY:-}" ||
        { session_log "Xvfb did not start"; return 1; }
    export DISPLAY=":$(cat "$SESSION_DIR/display")"
    headless_dbus SESSION_PIDS || { session_log "no D-Bus session"; return 1; }
    export DBUS_SESSION_BUS_ADDRESS="$HEADLESS_BUS"

    # The accessibility bus and its registry, as a desktop session starts them.
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$SESSION_DIR/at-spi.log" 2>&1 &
    SESSION_PIDS+=($!)
    wait_for 10 xprop -root AT_SPI_BUS >/dev/null 2>&1 ||
        { session_log "no accessibility bus"; return 1; }

    openbox >"$SESSION_DIR/openbox.log" 2>&1 &
    SESSION_PIDS+=($!)

    speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
        --log-dir "$SESSION_DIR" >"$SESSION_DIR/speechd.out" 2>&1 &
    SESSION_PIDS+=($!)
    wait_for 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
        { session_log "speech-dispatcher did not start"; return 1; }

    orca --replace --debug-file "$SESSION_DIR/orca-debug.txt" >"$SESSION_DIR/orca.out" 2>&1 &
    SESSION_PIDS+=($!)
    # Orca greets once it listens.
    wait_for 30 grep -q . "$SPEECH" || { session_log "Orca said nothing"; return 1; }
    headless_pause 1
}

# speech-dispatcher's generic module runs a command per utterance; this one
# appends the text as one line. No delimiter splits a sentence into parts.
write_speech_config() {
    local conf="$XDG_CONFIG_HOME/speech-dispatcher"
    cat >"$conf/speechd.conf" <<CONF
CommunicationMethod "unix_socket"
SocketPath "default"
AddModule "textfile" "sd_generic" "textfile.conf"
DefaultModule textfile
LanguageDefaultModule "en" "textfile"
DefaultLanguage "en"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
    cat >"$conf/modules/textfile.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' | tr '\\\\n' ' ' | sed 's/ *\$//' >>$SPEECH; echo >>$SPEECH"
GenericDelimiters ""
GenericMaxChunkLength 100000
GenericStripPunctChars ""
AddVoice "en" "MALE1" "default"
GenericLanguage "en" "en" "utf-8"
CONF
}

session_stop() {
    local i
    for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${SESSION_PIDS[i]}" 2>/dev/null || true
    done
    for pid in "${SESSION_PIDS[@]}"; do
        wait_for 5 bash -c "! kill -0 $pid 2>/dev/null" || kill -9 "$pid" 2>/dev/null || true
    done
    SESSION_PIDS=()
}
