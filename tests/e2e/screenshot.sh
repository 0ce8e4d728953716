#!/usr/bin/env bash
# Takes the picture of the main window shown in the README: a short
# calculation (1250,50 + 380 - 12,5 =, then 200 and "+ Iva") with comments on
# four rows, on the real window under Xvfb at WINDOW_SIZE (520x420 unless
# given), captured with ImageMagick's import. Not a test.
# Usage: tests/e2e/screenshot.sh build/app/Brimsum docs/calculator.png
# The smallest window on a screen scaled by 2 (twice the pixels):
#   WINDOW_SIZE=312x376 QT_SCALE_FACTOR=2 tests/e2e/screenshot.sh build/app/Brimsum \
#       docs/calculator-2x.png
# SCENE=desk instead types two totals and their grand total, puts 16 in the
# memory and types 25 with the fixed decimals on:
#   SCENE=desk tests/e2e/screenshot.sh build/app/Brimsum docs/desk-keys.png
# SCENE=search, on the smallest window, clears a tape with an invoice into the
# archive, types another, and opens the search band on "factura":
#   SCENE=search WINDOW_SIZE=312x376 tests/e2e/screenshot.sh build/app/Brimsum docs/search.png
# SCENE=tabs types three tapes in three named tabs (a till, a client's
# invoices, a quote) and opens the search band on "factura" from the first:
#   SCENE=tabs tests/e2e/screenshot.sh build/app/Brimsum docs/tabs.png
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
require_tools
command -v import >/dev/null || fail "import is missing (Debian package imagemagick)"
program=$1
picture=$(realpath -m "$2")
start_session

mkdir -p "$XDG_CONFIG_HOME/Tarvik"
printf '\r\n%.0s' {1..11} >"$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"
printf 'finestra=%s\r\n' "${WINDOW_SIZE:-520x420}" >>"$XDG_CONFIG_HOME/Tarvik/Brimsum.Ini"

# comment <text>: the current row's comment, typed with F3.
comment() {
    press F3
    xdotool type --delay 30 "$1"
    press Return
}

if [ "${SCENE:-}" = tabs ]; then
    mkdir -p "$XDG_DATA_HOME/Tarvik"
    printf '0\r\n\tCaixa\r\noberta-2.txt\tClient Puig\r\noberta-3.txt\tPressupost\r\n' \
        >"$XDG_DATA_HOME/Tarvik/cintes-obertes.txt"
fi

# invoices: a tape of three invoices, each commented.
invoices() {
    press 1 2 5 0 comma 5 KP_Add 3 8 0 KP_Add 2 1 0 minus equal
    press ctrl+Home
    comment "Factura 214"
    press Down
    comment "Factura 215, abril"
    press Down
    comment "Abonament factura 201"
}

start_program "$program"
if [ "${SCENE:-}" = desk ]; then
    press 1 2 5 0 comma 5 0 KP_Add 3 8 0 minus 1 2 comma 5 equal
    press 4 5 0 KP_Add 1 2 0 KP_Add 3 0 equal g
    press ctrl+Home Down Down Down Down Down Down Down Down
    comment "Factures d'abril"
    press Down 1 6 F4 F9 2 5
elif [ "${SCENE:-}" = search ]; then
    press 4 8 0 KP_Add 1 2 0 KP_Add equal
    press ctrl+Home
    comment "Factura 198, maig"
    press F8
    invoices
    press Down Down
    press ctrl+f
    xdotool type --delay 60 "factura"
    sleep 0.5
    press Down
elif [ "${SCENE:-}" = tabs ]; then
    press 4 8 comma 2 KP_Add 1 2 comma 7 5 KP_Add 9 comma 9 equal ctrl+Next
    invoices
    press Down Down ctrl+Next
    press 2 4 0 0 KP_Add 3 5 0 KP_Add equal
    press ctrl+Home Down
    comment "Transport"
    press Down Down ctrl+Next
    press ctrl+f
    xdotool type --delay 60 "factura"
    sleep 0.5
    press Down
elif [ "${WINDOW_SIZE:-520x420}" != 312x376 ]; then
    press 1 2 5 0 comma 5 0 KP_Add 3 8 0 minus 1 2 comma 5 equal 2 0 0 i
    press ctrl+Home
    comment "Factura 214, abril"
    press Down
    comment "Lloguer de l'estand"
    press Down
    comment "Descompte pronte pagament"
    press Down Down
    comment "Material d'oficina"
    press Down Down Down
else
    press 1 2 5 0 comma 5 0 KP_Add 3 8 0 minus 1 2 comma 5 equal 2 0 0 i
fi
sleep 1  # let the last repaint reach the screen
geometry=$(xdotool getwindowgeometry "$WINDOW" |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/+\1+\2/p; s/.*Geometry: //p' | tac | tr -d '\n')
import -window root -crop "$geometry" +repage "$picture"
case "${SCENE:-}" in search | tabs) press Escape ;; esac  # the band first
press Escape
wait_for_exit
echo "Written: $picture"
