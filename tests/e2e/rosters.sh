#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The rosters in the real window: the starting five checked, a click on a
# check box, and a team loaded through the open dialog, which starts in the
# program's folder where the sample teams lie.
source "$(dirname "$0")/lib.sh"
[ -f "$BUILD_DIR/Adler Nord.txt" ] || fail "no sample team beside the program"
start_xvfb

open_main_window
# The left roster's lines start inside its two-pixel border below the top panel.
lx=$((x + 2))
ly=$((y + 111 + 2))
# A pixel of the tick in the check box of a line of the left roster.
tick_of() { pixel_at $((lx + 4)) $((ly + $1 * 23 + 10)); }
screenshot "start"

for row in 0 4; do
  [ "$(tick_of $row)" = "0,0,0" ] || fail "line $((row + 1)) is not checked at start"
done
[ "$(tick_of 5)" = "255,255,255" ] || fail "line 6 is checked at start"

xdotool mousemove $((lx + 7)) $((ly + 5 * 23 + 11)) click 1
sleep 0.3
[ "$(tick_of 5)" = "0,0,0" ] || fail "a click on the box did not check line 6"
xdotool mousemove $((lx + 7)) $((ly + 5 * 23 + 11)) click --repeat 2 --delay 80 1
sleep 0.3
[ "$(tick_of 5)" = "0,0,0" ] || fail "a double click is two toggles"

line_of() { xwd -root -silent | /usr/bin/convert xwd:- -crop "300x23+$((lx + 15))+$((ly + $1 * 23))" -format '%#' info:; }
before=$(line_of 0)

# sbLoad1 at 197, 67 (36 x 39) in the top panel.
load_team $((x + 215)) $((y + 86)) "Adler Nord.txt"
sleep 0.5
screenshot "loaded"
[ "$(line_of 0)" != "$before" ] || fail "line 1 did not change"
for row in 0 4 5; do
  [ "$(tick_of $row)" = "255,255,255" ] || fail "line $((row + 1)) of the loaded team is checked"
done
# Nothing of the dialog is left over the bottom panel.
[ "$(pixel_at $((x + 180)) $((y + 350)))" != "0,0,0" ] || fail "a dark box is left where the dialog was"
close_app
echo "PASS"
