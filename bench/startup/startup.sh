#!/usr/bin/env bash
# Start-up and save times of Brimsum on a virtual X display, beside a minimal
# Qt program that only shows an empty window of the same size.
#
# Measures, each case run several times in turn and reported as the median:
#   - from exec to the window being visible (polled with xdotool) for the
#     minimal program, Brimsum with an empty settings folder and Brimsum with
#     a settings file holding a 100,000-row tape;
#   - from Escape to the end of the process with the 100,000-row tape (the
#     program writes the settings file then).
#
# Usage: bench/startup/startup.sh [build dir, default build] [runs, default 5]
# Needs Xvfb, xdotool and xclip; the build dir must hold a Release build with
# app/Brimsum and bench/minimal_window.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/xsession.sh"
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-5}
brimsum=$build/app/Brimsum
minimal=$build/bench/minimal_window
[ -x "$brimsum" ] && [ -x "$minimal" ] || fail "build app/Brimsum and bench/minimal_window in $build first"
require_tools
start_session
rows=100000

# Settings folders: one without a file and one with a long tape.
mkdir -p "$WORK/empty" "$WORK/long/Tarvik"
{
    printf '0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n1\r\n0\r\n1\r\n0\r\n0\r\n'
    printf '\r\n%.0s' {12..20}
    awk -v n="$rows" 'BEGIN { for (i = 0; i < n; i++) printf "12,5\t+\t\r\n" }'
} >"$WORK/long/Tarvik/Brimsum.Ini"

# launch <settings folder> <program> <window title pattern>: starts the
# program with a fresh copy of the settings folder and sets ELAPSED to the
# milliseconds until its window is visible; PROGRAM_PID keeps running.
launch() {
    rm -rf "$WORK/run" && cp -r "$1" "$WORK/run"
    local start now
    start=${EPOCHREALTIME/./}
    XDG_CONFIG_HOME="$WORK/run" "$2" >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    until xdotool search --onlyvisible --name "$3" >/dev/null 2>&1; do
        kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$2 ended before showing its window"
        now=${EPOCHREALTIME/./}
        ((now - start < 30000000)) || fail "$2 showed no window within 30 s"
    done
    now=${EPOCHREALTIME/./}
    ELAPSED=$(((now - start) / 1000))
}

stop() {
    kill -KILL "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
}

# save_time: sets ELAPSED to the milliseconds from Escape to the end of the
# running program.
save_time() {
    local window start now
    window=$(xdotool search --onlyvisible --name Calculadora | head -n 1)
    xdotool windowfocus --sync "$window"
    start=${EPOCHREALTIME/./}
    xdotool key Escape
    wait "$PROGRAM_PID" || fail "Brimsum ended with an error at Escape"
    now=${EPOCHREALTIME/./}
    PROGRAM_PID=""
    ELAPSED=$(((now - start) / 1000))
}

median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

# One run of each case first, untimed, so that every timed run finds the
# libraries and fonts in the page cache.
launch "$WORK/empty" "$minimal" "Finestra minima"; stop
launch "$WORK/empty" "$brimsum" Calculadora; stop
launch "$WORK/long" "$brimsum" Calculadora; stop

minimal_ms=() empty_ms=() long_ms=() save_ms=()
for ((run = 0; run < runs; run++)); do
    launch "$WORK/empty" "$minimal" "Finestra minima"; stop
    minimal_ms+=("$ELAPSED")
    launch "$WORK/empty" "$brimsum" Calculadora; stop
    empty_ms+=("$ELAPSED")
    launch "$WORK/long" "$brimsum" Calculadora
    long_ms+=("$ELAPSED")
    save_time
    save_ms+=("$ELAPSED")
done
saved=$(wc -l <"$WORK/run/Tarvik/Brimsum.Ini")
[ "$saved" -eq $((rows + 20)) ] || fail "the saved settings file has $saved lines, not $((rows + 20))"

base=$(median "${minimal_ms[@]}")
empty=$(median "${empty_ms[@]}")
long=$(median "${long_ms[@]}")
save=$(median "${save_ms[@]}")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf '%-34s %9s   %s\n' "case ($runs runs)" "median" "all runs (ms)"
printf '%-34s %6s ms   %s\n' "minimal Qt window" "$base" "${minimal_ms[*]}"
printf '%-34s %6s ms   %s   %sx minimal (target 1.5x)\n' "Brimsum, empty settings" "$empty" \
    "${empty_ms[*]}" "$(ratio "$empty" "$base")"
printf '%-34s %6s ms   %s   %sx minimal (target 3x)\n' "Brimsum, $rows-row tape" "$long" \
    "${long_ms[*]}" "$(ratio "$long" "$base")"
printf '%-34s %6s ms   %s   (target 150 ms)\n' "Escape to exit, $rows-row tape" "$save" "${save_ms[*]}"
