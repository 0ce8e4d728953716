#!/usr/bin/env bash
# A disk that refuses the settings file never harms the old one, and says so
# once. On a full disk (a small tmpfs filled by another file, where the test
# may mount one): 44 + 55 = and Escape ask what to do, once, and closing
# anyway leaves Brimsum.Ini as it was. Under a file-size limit (ulimit -f,
# which makes the kernel itself refuse the write) the file cannot grow past
# it: the question says the journal keeps the changes, and the next start,
# without the limit, has them all. A folder in the file's place stays a
# folder.
# Usage: full_disk_keeps_old_file.sh <path of Brimsum>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
begin_test "$1"

# stored_tape <rows>: a settings file whose tape holds 111 +, 222 +, ... and a total.
stored_tape() {
    mkdir -p "$(dirname "$ini")"
    { printf '\r\n%.0s' {1..10}; printf '%s\r\n' "$1"; printf '\r\n%.0s' {1..9}
      for ((row = 1; row < $1; row++)); do printf '%d\t+\r\n' $((row * 111)); done
      printf '1\t\r\n'; } >"$ini"
}

# answer_box <key>: waits for the question at the end, checks that it is the
# only one, and answers it.
answer_box() {
    local box
    box=$(xdotool search --sync --onlyvisible --name "No s'ha pogut desar" | head -n 1)
    [ "$(xdotool search --onlyvisible --name "No s'ha pogut desar" | wc -l)" -eq 1 ] ||
        fail "more than one question"
    xdotool windowfocus "$box"
    sleep 0.3
    press "$1"
}

if mkdir -p "$WORK/disk" && mount -t tmpfs -o size=64k tmpfs "$WORK/disk" 2>/dev/null; then
    trap 'umount -l "$WORK/disk" 2>/dev/null || true; end_session' EXIT
    export XDG_CONFIG_HOME="$WORK/disk"
    ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
    stored_tape 3
    cp "$ini" "$WORK/before"
    dd if=/dev/zero of="$WORK/disk/filler" bs=4k 2>/dev/null || true
    start_program "$program"
    press 4 4 KP_Add 5 5 equal Escape
    answer_box alt+i
    wait_for_exit
    expect_same "$WORK/before" "$ini" "the full disk harmed the old settings file"
    echo "full disk: the old file kept, one question"
    rm -f "$WORK/disk/filler"
    export XDG_CONFIG_HOME="$WORK/config"
    ini="$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
else
    echo "no tmpfs could be mounted here: the full disk is left to the file-size limit"
fi

# The settings file needs more than the limit of 1024 bytes; the journal beside
# it less.
stored_tape 120
cp "$ini" "$WORK/before"
(ulimit -f 1; exec "$program" >>"$WORK/program.log" 2>&1) &
PROGRAM_PID=$!
for ((i = 0; i < 400; i++)); do
    WINDOW=$(xdotool search --onlyvisible --name Calculadora 2>/dev/null | head -n 1) || true
    [ -n "$WINDOW" ] && break
    sleep 0.05
done
[ -n "$WINDOW" ] || fail "the window did not appear under the file-size limit"
xdotool windowfocus --sync "$WINDOW"
press 4 4 KP_Add 5 5 equal Escape
answer_box alt+i
wait_for_exit
expect_same "$WORK/before" "$ini" "the file-size limit harmed the old settings file"
start_program "$program"
press Escape
wait_for_exit
tail -n 3 "$ini" | tr -d '\r' >"$WORK/rows.found"
printf '44\t+\n55\t=\n99\t\n' >"$WORK/rows"
expect_same "$WORK/rows" "$WORK/rows.found" "the journal did not keep what the limit refused"
echo "file-size limit: the old file kept, one question, everything back at the next start"

rm -f "$ini" "$ini.diari"
mkdir -p "$ini"
# The file that cannot be read is told before the window shows.
"$program" >>"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
box=$(xdotool search --sync --onlyvisible --name "^Zentabo - Tarvik$" | head -n 1)
xdotool windowfocus "$box"
sleep 0.3
press Return
WINDOW=$(xdotool search --sync --onlyvisible --name Calculadora | head -n 1)
xdotool windowfocus --sync "$WINDOW"
press 4 4 KP_Add Escape
answer_box alt+i
wait_for_exit
[ -d "$ini" ] || fail "the folder in the settings file's place is gone"
echo "PASSED: no refused write harmed the old file, and each was told once"
