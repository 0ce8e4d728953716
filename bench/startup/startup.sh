#!/usr/bin/env bash
# Start-up and save times of Brimsum on a virtual X display, beside a minimal
# Qt program that only shows an empty window of the same size.
#
# Measures, each case run several times in turn and reported as the median:
#   - from exec to the window being visible, polled with xdotool as a script
#     would, for the minimal program, Brimsum with an empty settings folder
#     and Brimsum with a settings file holding a 100,000-row tape; the same
#     starts also give the moment the X server mapped the window (told by
#     bench/map_watch, which waits without using the processor). Polling
#     adds its own delay to every start, so its ratios are smaller; the
#     targets are set on the polled times;
#   - from Escape to the end of the process with the 100,000-row tape (the
#     program writes the settings file then).
# The ratios to the minimal program are given as the ratio of the medians and
# as the median of each run's own ratio (the three starts of a run follow one
# another, so a load that comes and goes weighs less on the second).
#
# Usage: bench/startup/startup.sh [build dir, default build] [runs, default 5]
# Needs Xvfb, xdotool and xclip; the build dir must hold a Release build with
# app/Brimsum, bench/minimal_window and bench/map_watch.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/xsession.sh"
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-5}
brimsum=$build/app/Brimsum
minimal=$build/bench/minimal_window
watch=$build/bench/map_watch
[ -x "$brimsum" ] && [ -x "$minimal" ] && [ -x "$watch" ] ||
    fail "build app/Brimsum, bench/minimal_window and bench/map_watch in $build first"
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

# launch <settings folder> <program> <window title>: starts the program with
# a fresh copy of the settings folder and sets ELAPSED to the milliseconds
# until xdotool, polling, finds its window visible, and MAPPED to the
# milliseconds until the X server mapped it (map_watch, which waits without
# polling, tells); PROGRAM_PID keeps running.
launch() {
    rm -rf "$WORK/run" && cp -r "$1" "$WORK/run"
    local start now mapped ready watch_out
    coproc WATCH { timeout 30 "$watch" "$3"; }
    # Its output stays readable after it ends (bash then forgets WATCH).
    exec {watch_out}<&"${WATCH[0]}"
    read -r -u "$watch_out" ready || fail "map_watch could not reach the display"
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
    read -r -u "$watch_out" mapped || fail "map_watch saw no window of $2"
    exec {watch_out}<&-
    MAPPED=$(((mapped - start) / 1000))
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

# Polled (…_ms) and mapped (…_map) times of each run.
minimal_ms=() empty_ms=() long_ms=() save_ms=() minimal_map=() empty_map=() long_map=()
for ((run = 0; run < runs; run++)); do
    launch "$WORK/empty" "$minimal" "Finestra minima"; stop
    minimal_ms+=("$ELAPSED") minimal_map+=("$MAPPED")
    launch "$WORK/empty" "$brimsum" Calculadora; stop
    empty_ms+=("$ELAPSED") empty_map+=("$MAPPED")
    launch "$WORK/long" "$brimsum" Calculadora
    long_ms+=("$ELAPSED") long_map+=("$MAPPED")
    save_time
    save_ms+=("$ELAPSED")
done
saved=$(wc -l <"$WORK/run/Tarvik/Brimsum.Ini")
[ "$saved" -eq $((rows + 20)) ] || fail "the saved settings file has $saved lines, not $((rows + 20))"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# run_ratio <name of the times> <name of the minimal's times>: the median of
# each run's ratio to that run's minimal program.
run_ratio() {
    local -n times=$1 bases=$2
    local i ratios=()
    for ((i = 0; i < runs; i++)); do ratios+=("$(ratio "${times[i]}" "${bases[i]}")"); done
    median "${ratios[@]}"
}
# line <label> <name of the times> <name of the minimal's times> [target]
line() {
    local -n times=$2
    local med base
    med=$(median "${times[@]}")
    printf '%-36s %6s ms   %s' "$1" "$med" "${times[*]}"
    if [ -n "${4:-}" ]; then
        local -n bases=$3
        base=$(median "${bases[@]}")
        printf '   %sx minimal, %sx by run%s' "$(ratio "$med" "$base")" "$(run_ratio "$2" "$3")" "$4"
    fi
    printf '\n'
}
printf '%-36s %9s   %s\n' "case ($runs runs)" "median" "all runs (ms)"
echo "visible, polled with xdotool:"
line "  minimal Qt window" minimal_ms minimal_ms
line "  Brimsum, empty settings" empty_ms minimal_ms " (target 1.3x)"
line "  Brimsum, $rows-row tape" long_ms minimal_ms " (target 2.5x)"
echo "mapped, as the X server reports it:"
line "  minimal Qt window" minimal_map minimal_map
line "  Brimsum, empty settings" empty_map minimal_map " "
line "  Brimsum, $rows-row tape" long_map minimal_map " "
line "Escape to exit, $rows-row tape" save_ms save_ms
echo "(target for Escape to exit: 150 ms)"
