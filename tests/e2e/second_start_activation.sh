#!/usr/bin/env bash
# A second start's activation on X11, with real processes and a stand-in for
# the desktop's launch tracking (startup_watch, which also announces a window
# manager that takes activation requests):
#  - the first start's own launch ends when its window shows (Qt's part);
#  - a second start launched with a startup id that carries the time of the
#    user's click (DESKTOP_STARTUP_ID=..._TIME4242) hands the id over: the
#    running window takes it (_NET_STARTUP_ID), the window manager is asked to
#    activate it for that time, and the launch ends ("remove: ID=...");
#  - an id without a time is taken and ended too, and the window takes the
#    focus at once, as it does for a start without an id.
# Usage: second_start_activation.sh <path of Brimsum> <path of startup_watch>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
command -v xprop >/dev/null || { echo "SKIPPED: xprop is not installed (x11-utils)"; exit 77; }
watch=$2
unset DESKTOP_STARTUP_ID XDG_ACTIVATION_TOKEN

"$watch" >"$WORK/watch" 2>&1 &
# wait_for_line <line>: waits up to 10 s for the watch to print the line.
wait_for_line() {
    local i
    for ((i = 0; i < 200; i++)); do
        grep -qxF "$1" "$WORK/watch" && return 0
        sleep 0.05
    done
    cat "$WORK/watch" >&2
    fail "the desktop did not see: $1"
}
wait_for_line ready

# second_start <startup id or nothing>: a start that hands over, status 0.
second_start() {
    local status=0
    env ${1:+DESKTOP_STARTUP_ID="$1"} timeout 20 "$program" >>"$WORK/program.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with status $status"
}

export DESKTOP_STARTUP_ID=first-launch_TIME1000
start_program "$program"
unset DESKTOP_STARTUP_ID
wait_for_line "startup remove: ID=first-launch_TIME1000"

second_start second-launch_TIME4242
wait_for_line "activate $WINDOW 1 4242"
wait_for_line "startup remove: ID=second-launch_TIME4242"
[ "$(xprop -id "$WINDOW" _NET_STARTUP_ID)" = '_NET_STARTUP_ID(UTF8_STRING) = "second-launch_TIME4242"' ] ||
    fail "the window did not take the second launch's id: $(xprop -id "$WINDOW" _NET_STARTUP_ID)"
echo "a second start with its click's time: the window took its id, was activated for that time"

# expect_focus_back <startup id or nothing>: with the focus elsewhere, a
# second start gives it back to the running window.
root=$(LC_ALL=C xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
expect_focus_back() {
    xdotool windowfocus --sync "$((root))"
    second_start "$1"
    for ((i = 0; i < 100; i++)); do
        [ "$(xdotool getwindowfocus)" = "$WINDOW" ] && return 0
        sleep 0.05
    done
    fail "a second start with id \"$1\" did not give the window the focus"
}

expect_focus_back third-launch
wait_for_line "startup remove: ID=third-launch"
[ "$(xprop -id "$WINDOW" _NET_STARTUP_ID)" = '_NET_STARTUP_ID(UTF8_STRING) = "third-launch"' ] ||
    fail "the window did not take the third launch's id"

startups=$(grep -c '^startup ' "$WORK/watch")
expect_focus_back ""
[ "$(grep -c '^startup ' "$WORK/watch")" -eq "$startups" ] || fail "a start without an id ended a launch"

xdotool windowfocus --sync "$WINDOW"
press Escape
wait_for_exit
echo "PASSED: a second start's startup id reached the running window, its launch ended"
