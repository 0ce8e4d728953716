#!/usr/bin/env bash
# Types 12 + 5 = into the real window, clears the tape with F8 by mistake,
# takes it back with Ctrl+Z and closes with Escape: the settings file holds
# the tape as it was before F8, and the archive of earlier tapes one file
# with it.
# Usage: undo_clear.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

start_program "$program"
press 1 2 KP_Add 5 equal F8 ctrl+z Escape
wait_for_exit
[ -f "$ini" ] || fail "no settings file was written at $ini"
printf '2\r\n' >"$WORK/row"
sed -n '11p' "$ini" >"$WORK/row.found"
expect_same "$WORK/row" "$WORK/row.found" "line 11 does not hold the current row before F8"
printf '12\t+\r\n5\t=\r\n17\t\r\n' >"$WORK/rows"
tail -n +21 "$ini" >"$WORK/rows.found"
expect_same "$WORK/rows" "$WORK/rows.found" "the tape is not the one before F8"
archived=("$XDG_DATA_HOME"/Tarvik/cintes/cinta-*.txt)
[ "${#archived[@]}" -eq 1 ] && [ -f "${archived[0]}" ] || fail "F8 did not leave one file in the archive"
expect_same "$WORK/rows" "${archived[0]}" "the archive does not hold the tape cleared by F8"
echo "PASSED: Ctrl+Z took back F8, the tape was saved as before it and archived"
