#!/usr/bin/env bash
# One running program per settings file, with real processes:
#  - a second start while the program runs hands over: it ends with status 0
#    within a second, shows no window and writes no settings file, and the
#    running program's window comes to the front (from behind the window of a
#    program on another settings file) and keeps its tape; nothing is lost
#    when it closes;
#  - of two starts at the same moment, one runs and the other hands over;
#  - a program killed outright leaves a stale lock and socket, and the next
#    start runs normally.
# Usage: one_program_per_settings_file.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
# The sanitizers make every start slower; the bound is for the plain build.
limit_ms=1000
[ -n "${ASAN_OPTIONS:-}" ] && limit_ms=5000

# visible_windows_of <pid>: the program's visible windows, one a line.
visible_windows_of() {
    xdotool search --all --onlyvisible --pid "$1" --name Calculadora 2>/dev/null || true
}

# second_start: starts the program on the same settings file and expects it
# to hand over: status 0, within the limit.
second_start() {
    local started status=0 elapsed
    started=$(date +%s%N)
    timeout 20 "$program" >>"$WORK/program.log" 2>&1 || status=$?
    elapsed=$((($(date +%s%N) - started) / 1000000))
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
    [ "$elapsed" -le "$limit_ms" ] || fail "the second start took $elapsed ms"
    echo "a second start handed over in $elapsed ms"
}

# ---- A second start hands over and nothing is lost ------------------------
start_program "$program"
first=$PROGRAM_PID
first_window=$WINDOW
press 1 2 KP_Add 5 equal

# Another program, on a settings file of its own, takes the focus.
XDG_CONFIG_HOME="$WORK/other" "$program" >>"$WORK/program.log" 2>&1 &
other=$!
mkdir -p "$WORK/other"
other_window=""
for ((i = 0; i < 400; i++)); do
    other_window=$(visible_windows_of "$other" | head -n 1)
    [ -n "$other_window" ] && break
    sleep 0.05
done
[ -n "$other_window" ] || fail "the program on another settings file did not show its window"
xdotool windowfocus --sync "$other_window"

second_start
[ -e "$ini" ] && fail "the second start wrote the settings file"
[ "$(visible_windows_of "$first" | wc -l)" -eq 1 ] || fail "the running program's window is gone"
for ((i = 0; i < 20; i++)); do
    [ "$(xdotool getwindowfocus)" = "$first_window" ] && break
    sleep 0.05
done
[ "$(xdotool getwindowfocus)" = "$first_window" ] || fail "the running program's window was not activated"

# The keys now reach the running program, which still holds its tape.
press KP_Add 3 equal Escape
wait_for_exit
printf '12\t+\r\n5\t+\r\n3\t=\r\n20\t\r\n' >"$WORK/rows"
tail -n +21 "$ini" >"$WORK/rows.found"
expect_same "$WORK/rows" "$WORK/rows.found" "the tape lost rows"
kill "$other"
wait "$other" || fail "the program on the other settings file did not end normally"

# ---- Two starts at once: one runs, the other hands over -------------------
export XDG_CONFIG_HOME="$WORK/together"
ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
"$program" >>"$WORK/program.log" 2>&1 &
one=$!
"$program" >>"$WORK/program.log" 2>&1 &
two=$!
ended=""
for ((i = 0; i < 200; i++)); do
    kill -0 "$one" 2>/dev/null || ended=$one
    kill -0 "$two" 2>/dev/null || ended=$two
    [ -n "$ended" ] && break
    sleep 0.05
done
[ -n "$ended" ] || fail "neither of two starts at once handed over"
wait "$ended" || fail "the start that handed over ended with status $?"
PROGRAM_PID=$([ "$ended" = "$one" ] && echo "$two" || echo "$one")
sleep 0.5
[ "$(xdotool search --onlyvisible --name Calculadora | wc -l)" -eq 1 ] ||
    fail "two starts at once showed more than one window"
WINDOW=$(visible_windows_of "$PROGRAM_PID" | head -n 1)
xdotool windowfocus --sync "$WINDOW"
press 7 KP_Add Escape
wait_for_exit
[ "$(tail -n 1 "$ini")" = $'7\t+\r' ] || fail "the program of two starts at once lost its tape"

# ---- A crash leaves a stale lock and socket; the next start runs ----------
start_program "$program"
kill -KILL "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=""
[ -e "$ini.lock" ] || fail "a killed program left no lock file (the test cannot tell staleness)"
start_program "$program"
press Escape
wait_for_exit
[ -e "$ini.lock" ] && fail "the lock file stayed after a normal end"
echo "PASSED: one program per settings file; hand-over, starts at once and a crash"
