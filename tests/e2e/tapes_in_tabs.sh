#!/usr/bin/env bash
# Tapes in tabs in the real window:
# - two tapes typed (Ctrl+Shift+N opens the second), Escape, a new start: the
#   keys go on in the second, Ctrl+PgUp goes back to the first; Brimsum.Ini
#   holds only the first tape, the second is a tape file of its own;
# - Ctrl+W closes the second tape into the archive; Ctrl+F finds its number
#   there and Enter opens it again in a tab;
# - Ctrl+F with a comment's text goes to that row in the other tape, and a
#   number typed in another form (1.250,50 for 1250,5) goes to its row in
#   the other tape (Delete then takes that row out).
# Usage: tapes_in_tabs.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"
data="$XDG_DATA_HOME/Tarvik"
list="$data/cintes-obertes.txt"

# search <text>: Ctrl+F, the text, a moment for the results, then Enter.
search() {
    press ctrl+f
    xdotool type --delay 40 "$1"
    sleep 0.5
    press Return
}

# expect_text <expected text> <file> <what>: the file holds exactly the text
# (printf escapes in it).
expect_text() {
    printf "$1" >"$WORK/expected"
    [ -f "$2" ] || fail "$3: there is no $2"
    expect_same "$WORK/expected" "$2" "$3"
}

session() {
    start_program "$program"
    press "$@"
    press Escape
    wait_for_exit
}

session 1 2 KP_Add ctrl+shift+n 7 KP_Add 5 KP_Add
tail -n +21 "$ini" >"$WORK/first"
expect_text '12\t+\r\n' "$WORK/first" "Brimsum.Ini does not hold the first tape alone"
expect_text '7\t+\r\n5\t+\r\n' "$data/oberta-2.txt" "the second tape was not kept in its file"
expect_text '1\r\n\tCinta 1\r\noberta-2.txt\tCinta 2\r\n' "$list" "the list of tapes is wrong"

# Both are back, in order, the second in use; Ctrl+Shift+Tab goes back.
session 3 KP_Add ctrl+shift+Tab 1 KP_Add
expect_text '7\t+\r\n5\t+\r\n3\t+\r\n' "$data/oberta-2.txt" "the keys did not go on in the tape used last"
tail -n +21 "$ini" >"$WORK/first"
expect_text '12\t+\r\n1\t+\r\n' "$WORK/first" "Ctrl+Shift+Tab did not go back to the first tape"
[ "$(head -n 1 "$list" | tr -d '\r')" = 0 ] || fail "the first tape is not the one used last"

# Ctrl+W keeps the tape in the archive; the search opens it again.
session ctrl+Tab ctrl+w
[ ! -e "$data/oberta-2.txt" ] || fail "Ctrl+W left the closed tape's file"
expect_text '0\r\n\tCinta 1\r\n' "$list" "Ctrl+W did not close the tab"
grep -lq '^7' "$data"/cintes/cinta-*.txt || fail "Ctrl+W did not keep the tape in the archive"
start_program "$program"
search 7
press Escape
wait_for_exit
expect_text '7\t+\r\n5\t+\r\n3\t+\r\n' "$data/oberta-2.txt" "the archived tape did not open in a tab"

# A comment in the first tape found from the second (its row is line 11 of
# the settings file), then a number in the second found from the first.
start_program "$program"
press ctrl+Prior Up F3
xdotool type --delay 40 "Lloguer"
press Return Down ctrl+Next 1 2 5 0 comma 5 KP_Add
search lloguer
press Escape
wait_for_exit
[ "$(sed -n 11p "$ini" | tr -d '\r')" = 1 ] || fail "Ctrl+F lloguer did not go to its row"
[ "$(head -n 1 "$list" | tr -d '\r')" = 0 ] || fail "Ctrl+F lloguer did not go to the first tape"
# Delete takes out the row found. (1250,5 was typed over the first row of
# the reopened tape, the row the search had made current.)
start_program "$program"
search 1.250,50
press Delete Escape
wait_for_exit
[ "$(head -n 1 "$list" | tr -d '\r')" = 1 ] || fail "Ctrl+F 1.250,50 did not go to the second tape"
expect_text '5\t+\r\n3\t+\r\n' "$data/oberta-2.txt" \
    "Ctrl+F 1.250,50 did not make the row of 1250,5 current"
echo "PASSED: two tapes in tabs kept, closed into the archive, reopened and searched"
