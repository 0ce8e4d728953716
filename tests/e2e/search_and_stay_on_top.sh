#!/usr/bin/env bash
# The search band and "Sempre visible" in the real window:
# - a tape of 1250,5 and a row commented "Factura 214": Ctrl+F "factura" and
#   Enter makes the commented row current, Ctrl+F "1.250,50" the other one
#   (the current row is read from line 11 after each close);
# - the tape cleared into the archive, a new one typed: Ctrl+F "factura" and
#   Enter opens the archived tape in a tab of its own, which is in use at the
#   next start;
# - "Sempre visible" chosen in the options menu sets _NET_WM_STATE_ABOVE,
#   is kept as semprevisible=1 and is back after a restart.
# Usage: search_and_stay_on_top.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
command -v xprop >/dev/null || { echo "SKIPPED: xprop is not installed (x11-utils)"; exit 77; }

# search <text>: Ctrl+F, the text typed into the field, a moment for the
# results, then Enter.
search() {
    press ctrl+f
    xdotool type --delay 40 "$1"
    sleep 0.5
    press Return
}

expect_line() {
    local found
    found=$(sed -n "$1p" "$ini" | tr -d '\r')
    [ "$found" = "$2" ] || fail "$3: line $1 is '$found' instead of '$2'"
}

start_program "$program"
press 1 2 5 0 comma 5 KP_Add 3 0 0 KP_Add Up F3
xdotool type --delay 40 'Factura 214'
press Return Down
search factura
press Escape
wait_for_exit
expect_line 11 1 "Ctrl+F factura did not go to the commented row"

start_program "$program"
search 1.250,50
press Escape
wait_for_exit
expect_line 11 0 "Ctrl+F 1.250,50 did not go to the row of 1250,5"

start_program "$program"
press F8 9 KP_Add
search factura
press Escape
wait_for_exit
printf '9\t+\r\n' >"$WORK/tape"
tail -n +21 "$ini" >"$WORK/tape.found"
expect_same "$WORK/tape" "$WORK/tape.found" "the tape in use did not stay in its tab"
printf '1250,5\t+\r\n300\t+\t\tFactura 214\r\n' >"$WORK/tape"
expect_same "$WORK/tape" "$XDG_DATA_HOME/Tarvik/oberta-2.txt" "the archived tape was not opened"
[ "$(head -n 1 "$XDG_DATA_HOME/Tarvik/cintes-obertes.txt" | tr -d '\r')" = 1 ] ||
    fail "the archived tape's tab is not the one in use"

# above: whether the window's _NET_WM_STATE holds _NET_WM_STATE_ABOVE.
above() {
    local window
    window=$(xdotool search --onlyvisible --name Calculadora | head -n 1)
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
}

start_program "$program"
above && fail "the window is kept above the others before it was asked"
# The options button, at the right of the tool buttons under the tape.
xdotool mousemove --window "$WINDOW" 152 358 click 1
sleep 0.5
press m
sleep 0.5
above || fail "Sempre visible did not set _NET_WM_STATE_ABOVE"
WINDOW=$(xdotool search --onlyvisible --name Calculadora | head -n 1)
xdotool windowfocus --sync "$WINDOW"
press Escape
wait_for_exit
grep -q '^semprevisible=1' "$ini" || fail "Sempre visible was not kept in the settings file"

start_program "$program"
above || fail "the window is not kept above the others after a restart"
press Escape
wait_for_exit
echo "PASSED: Ctrl+F found a comment and a number, opened an archived tape; Sempre visible stayed"
