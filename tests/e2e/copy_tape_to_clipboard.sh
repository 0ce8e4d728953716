#!/usr/bin/env bash
# Types a calculation with decimals into the real window, copies the tape
# with Ctrl+P and reads the clipboard while the program still runs: one
# tab-separated row per line, CR LF line ends, decimal commas throughout.
# Usage: copy_tape_to_clipboard.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

start_program "$program"
# 12,5 x 3 - 0,25 =
press 1 2 comma 5 KP_Multiply 3 minus 0 comma 2 5 equal ctrl+p
printf '12,5\tx\r\n3\t-\r\n0,25\t=\r\n37,25\t\r\n' >"$WORK/expected"
expect_clipboard "$WORK/expected"
press Escape
wait_for_exit
echo "PASSED: Ctrl+P copied the tape to the clipboard"
