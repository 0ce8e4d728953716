#!/usr/bin/env bash
# Starts the real window with a stored size of 480x640 and checks the X
# window's size; types a number, then a comment on its row with F3, closes
# with Escape and checks the tape line with its comment and the size kept.
# Usage: comments_and_window_size.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
mkdir -p "$(dirname "$ini")"
printf '\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nfinestra=480x640\r\n' >"$ini"

start_program "$program"
size=$(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p')
[ "$size" = "480x640" ] || fail "the window is $size instead of 480x640"

press 1 2 0 0 KP_Add Up F3
xdotool type --delay 40 'Lloguer 3.5, gener'
press Return Escape
wait_for_exit
printf '1200\t+\t\tLloguer 3.5, gener\r\n' >"$WORK/row"
tail -n +21 "$ini" >"$WORK/row.found"
expect_same "$WORK/row" "$WORK/row.found" "the tape line does not hold the comment"
printf 'finestra=480x640\r\n' >"$WORK/size"
sed -n '12p' "$ini" >"$WORK/size.found"
expect_same "$WORK/size" "$WORK/size.found" "the window's size was not kept on line 12"
echo "PASSED: the stored size was restored and a comment typed with F3 was saved"
