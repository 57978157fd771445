#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A short game in the real window: START, about three seconds, PAUSE; the
# clock shows 00:03, START is back where PAUSE was, the players on court show
# 0:03; then a team is loaded through the real open dialog during the pause.
source "$(dirname "$0")/lib.sh"
start_xvfb

open_main_window
colour_in() {
  /usr/bin/convert "$1" -crop "1x1+$((x + $2))+$((y + $3))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
# Digit at clock-frame left $1: is its segment at ($2,$3) inside the 60x85 digit lit (yellow)?
segment() {
  colour_in "$shot" $((242 + $1 + $2)) $((6 + 7 + $3))
}
# START/PAUSE occupy 118,5 (114 x 45) in the top panel; sample their face.
button_face() { colour_in "$shot" 130 30; }

screenshot "1-start"; shot="$ARTIFACTS/1-start.png"
[ "$(button_face)" != "" ] || fail "no pixel"
start_face=$(button_face)

xdotool mousemove $((x + 175)) $((y + 27)) click 1
sleep 0.4
screenshot "2-running"; shot="$ARTIFACTS/2-running.png"
running_face=$(button_face)
[ "$running_face" != "$start_face" ] || fail "PAUSE did not take START's place"
sleep 2.75
xdotool click 1
sleep 0.5
xdotool mousemove $((x + 400)) $((y + 60))
sleep 0.3
screenshot "3-paused"; shot="$ARTIFACTS/3-paused.png"
# Seconds digit (left 246) shows 3: upper-right lit, upper-left and lower-left dark.
[ "$(segment 246 52 24)" = "255,255,0" ] || fail "seconds digit is not 3 (upper-right dark)"
[ "$(segment 246 7 24)" = "0,0,0" ] || fail "seconds digit is not 3 (upper-left lit)"
[ "$(segment 246 7 60)" = "0,0,0" ] || fail "seconds digit is not 3 (lower-left lit)"
[ "$(segment 246 29 77)" = "255,255,0" ] || fail "seconds digit is not 3 (bottom dark)"
# Tens of seconds show 0: middle bar dark.
[ "$(segment 174 29 42)" = "0,0,0" ] || fail "tens of seconds not 0"
[ "$(button_face)" = "$start_face" ] || fail "START is not back where PAUSE was: $(button_face) vs $start_face"
# The time text of line 1 (on court) is no longer 0:00: compare with line 6 (bench).
line_time() { /usr/bin/convert "$shot" -crop "70x23+$((x + 400 - 75))+$((y + 113 + $1 * 23))" -format '%#' info:; }
[ "$(line_time 0)" != "$(line_time 5)" ] || fail "line 1 shows the same time as a player on the bench"

# A team through the real dialog during the pause.
load_team $((x + 215)) $((y + 86)) "Adler Nord.txt"
sleep 0.5
screenshot "4-loaded"; shot="$ARTIFACTS/4-loaded.png"
head -c 200 "$BUILD_DIR/Adler Nord.txt" >/dev/null || fail "no sample team"
# The loaded lines are unchecked: the tick pixel of line 1 is white.
[ "$(colour_in "$shot" 6 $((113 + 10)))" = "255,255,255" ] || fail "line 1 still checked after the load"
close_app
echo "PASS"
