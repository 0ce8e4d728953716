#!/usr/bin/env bash
# A screen reader follows the tape: the real window on its own display, its
# accessibility bus (AT-SPI, started on demand by a session bus of the test's
# own, as a desktop starts it for Orca) read by screen_reader.py. Prints what
# the reader reads for each row of the tape 1250,5 + 380 - 12,5 = with a
# comment on row 0. Skipped without the bus or pyatspi.
# Usage: screen_reader_follows_tape.sh <path of Brimsum>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

skip() {
    echo "SKIPPED: $*"
    exit 77
}

if [ -z "${BRIMSUM_OWN_SESSION_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed (Debian package dbus)"
    dbus-run-session -- true 2>/dev/null || skip "no session bus can start"
    # The buses' daemons tell of every service they start; that is no news.
    BRIMSUM_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@" \
        2> >(grep -v -e '^dbus-daemon\[' -e '^X connection to' >&2)
fi

source "$(dirname "$0")/xsession.sh"
# Debian's python3, where python3-pyatspi installs.
python=/usr/bin/python3
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    skip "pyatspi is not installed (Debian package python3-pyatspi)"
fi
begin_test "$1"

# A screen reader sets this flag as it starts; the program's toolkit reads it
# when it starts and then opens its side of the bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
    string:ScreenReaderEnabled variant:boolean:true >/dev/null 2>&1 ||
    skip "the accessibility bus does not start (Debian package at-spi2-core)"

start_program "$program"
status=0
"$python" "$here/screen_reader.py" "$WORK/rows-read" || status=$?
[ "$status" -eq 77 ] && exit 77
[ "$status" -eq 0 ] || fail "the screen reader's view of the tape is not as expected"
press Escape
wait_for_exit
echo "A screen reader reads the tape 1250,5 + 380 - 12,5 = with a comment on row 0 as:"
cat "$WORK/rows-read"
echo "PASSED: the tape tells its current row, what each row is, and the subtotal, once per action"
