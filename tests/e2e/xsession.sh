# Helpers for the end-to-end tests: a private virtual X display, a private
# settings folder and the real program driven with xdotool. Sourced by the
# test scripts; every function fails the test with a message on error.
# shellcheck shell=bash

set -euo pipefail

# Ends the test as skipped (CTest SKIP_RETURN_CODE) when a tool is missing.
require_tools() {
    local tool
    for tool in Xvfb xdotool xclip; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (Debian packages xvfb, xdotool, xclip)"
            exit 77
        fi
    done
}

# begin_test <path of Brimsum>: the usual start of a test script: skips
# without the tools, starts the session, and sets `program` and `ini` (the
# settings file the program reads and writes).
begin_test() {
    require_tools
    program=$1
    start_session
    ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
}

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Starts Xvfb on the first free display number and points DISPLAY at it.
# Sets WORK (a temporary folder removed at exit), XDG_CONFIG_HOME and
# XDG_DATA_HOME (where the archive of cleared tapes goes).
start_session() {
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/brimsum-e2e.XXXXXX")
    PROGRAM_PID=""
    XVFB_PID=""
    trap end_session EXIT
    mkdir -m 700 "$WORK/config" "$WORK/data" "$WORK/runtime"
    export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="$WORK/runtime"
    export QT_QPA_PLATFORM=xcb LANG=ca_ES.UTF-8
    unset LC_ALL WAYLAND_DISPLAY

    # Xvfb writes the display number it took to the -displayfd descriptor once
    # it accepts connections.
    Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset 9>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 200; i++)); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
        sleep 0.05
    done
    [ -s "$WORK/display" ] || fail "Xvfb gave no display number within 10 s"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
}

end_session() {
    local status=$?
    if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null || true
        wait "$PROGRAM_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ -s "$WORK/program.log" ]; then
        echo "--- program output:" >&2
        cat "$WORK/program.log" >&2
    fi
    rm -rf "$WORK"
    exit "$status"
}

# start_program <binary>: starts the program and waits until its window is
# visible (START_SECONDS, 20 by default) and holds the keyboard focus. Sets
# PROGRAM_PID and WINDOW.
start_program() {
    "$1" >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    WINDOW=""
    local i
    for ((i = 0; i < ${START_SECONDS:-20} * 20; i++)); do
        WINDOW=$(xdotool search --onlyvisible --name Calculadora 2>/dev/null | head -n 1) || true
        [ -n "$WINDOW" ] && break
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before showing its window"
        sleep 0.05
    done
    [ -n "$WINDOW" ] || fail "the window did not appear within ${START_SECONDS:-20} s"
    # No window manager runs: give the window the focus directly.
    xdotool windowfocus --sync "$WINDOW"
}

# press <keysym...>: presses the keys in order. Keys that need Shift on the
# virtual display's US layout are avoided (KP_Add for "+").
press() {
    xdotool key --clearmodifiers --delay 40 "$@"
}

# wait_for_exit: waits up to 15 s for the program to end and fails unless it
# ended with status 0.
wait_for_exit() {
    local i status=0
    for ((i = 0; i < 300; i++)); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end within 15 s"
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# expect_clipboard <expected file>: waits up to 5 s for the clipboard to hold
# exactly the bytes of the file.
expect_clipboard() {
    local i
    for ((i = 0; i < 50; i++)); do
        if timeout 5 xclip -o -selection clipboard >"$WORK/clipboard" 2>/dev/null &&
            cmp -s "$1" "$WORK/clipboard"; then
            return 0
        fi
        sleep 0.1
    done
    echo "expected clipboard:" >&2
    od -c "$1" >&2
    echo "clipboard read:" >&2
    od -c "$WORK/clipboard" >&2
    fail "the clipboard does not hold the expected text"
}

# expect_same <expected file> <actual file> <what>
expect_same() {
    cmp -s "$1" "$2" && return 0
    echo "expected:" >&2
    od -c "$1" >&2
    echo "found:" >&2
    od -c "$2" >&2
    fail "$3"
}
