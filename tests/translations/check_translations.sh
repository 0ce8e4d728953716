#!/usr/bin/env bash
# Fails while a translation is incomplete: every .ts file given is brought up
# to the sources (in a copy) with lupdate, which adds a text it has not seen
# as unfinished; then no entry may be unfinished or empty.
# Usage: check_translations.sh <lupdate> <source root> <lupdate options...> -- <.ts files...>
set -euo pipefail
lupdate=$1
root=$2
shift 2
options=()
while [ "$1" != "--" ]; do
    options+=("$1")
    shift
done
shift
work=$(mktemp -d "${TMPDIR:-/tmp}/brimsum-ts.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    # lupdate's warnings on the C++ it parses go to a log, shown on failure.
    (cd "$root" && "$lupdate" -silent "${options[@]}" basic tape tapefiles controls calculator interest \
        exchange app -ts "$copy") 2>>"$work/lupdate.log"
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    empty=$(grep -c '<translation></translation>\|<translation/>' "$copy" || true)
    if [ "$unfinished" -ne 0 ] || [ "$empty" -ne 0 ]; then
        echo "FAILED: $(basename "$ts") has $unfinished unfinished and $empty empty translations:"
        grep -B2 'type="unfinished"\|<translation/>' "$copy" | grep '<source>' | sed 's/^ */  /'
        cat "$work/lupdate.log"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "PASSED: every text is translated in $# files"
exit "$status"
