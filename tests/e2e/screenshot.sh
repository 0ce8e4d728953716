#!/usr/bin/env bash
# Takes the picture of the main window shown in the README: a short
# calculation (1250,50 + 380 - 12,5 =, then 200 and "+ Iva") on the real
# window under Xvfb, captured with ImageMagick's import. Not a test.
# Usage: tests/e2e/screenshot.sh build/app/Brimsum docs/calculator.png
# On a screen scaled by 2 (twice the pixels):
#   QT_SCALE_FACTOR=2 tests/e2e/screenshot.sh build/app/Brimsum docs/calculator-2x.png
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
require_tools
command -v import >/dev/null || fail "import is missing (Debian package imagemagick)"
program=$1
picture=$(realpath -m "$2")
start_session

start_program "$program"
press 1 2 5 0 comma 5 0 KP_Add 3 8 0 minus 1 2 comma 5 equal 2 0 0 i
sleep 1  # let the last repaint reach the screen
import -window "$WINDOW" "$picture"
press Escape
wait_for_exit
echo "Written: $picture"
