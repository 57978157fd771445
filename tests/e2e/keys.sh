#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The keys the hints name, in the real window with a roster focused: F5
# starts, F9 pauses, F5 continues the game; no other key touches it (RESET
# has none); a held key acts once although the server repeats it; Space
# still ticks the focused roster line; no key acts while the About box or
# the open dialog is up.
source "$(dirname "$0")/lib.sh"
start_xvfb

open_main_window
colour_in() {
  /usr/bin/convert "$1" -crop "1x1+$((x + $2))+$((y + $3))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
# START and PAUSE share one place (118,5, 114 x 45 in the top panel): sample the face.
button_face() { colour_in "$shot" 130 30; }
# The clock frame inside its panel's bevel, as one checksum.
clock_image() { /usr/bin/convert "$shot" -crop "314x100+$((x + 242))+$((y + 6))" -format '%#' info:; }
# Is the segment at ($1,$2) of the seconds digit (60 x 85, left 246 in the frame) lit?
seconds_segment() { colour_in "$shot" $((242 + 246 + $1)) $((6 + 7 + $2)); }
# The tick of line $1 (from 0) in the left roster's check box.
tick_of() { colour_in "$shot" $((2 + 4)) $((111 + 2 + $1 * 23 + 10)); }
snap() { screenshot "$1"; shot="$ARTIFACTS/$1.png"; }
key() { xdotool key "$@"; sleep 0.3; }
# Holds a key as a user does, long enough for the server to repeat it.
hold() { xdotool keydown "$1"; sleep 1; xdotool keyup "$1"; sleep 0.3; }
# A click on the text of line 8 of the left roster gives it the focus and
# makes the line current without touching its check box.
focus_roster() { xdotool mousemove $((x + 150)) $((y + 111 + 2 + 7 * 23 + 11)) click 1; sleep 0.3; }

snap "1-start"
start_face=$(button_face)
[ "$(tick_of 7)" = "255,255,255" ] || fail "line 8 is checked at start"

focus_roster
key space
snap "2-space"
[ "$(tick_of 7)" = "0,0,0" ] || fail "Space did not tick the focused roster line"
[ "$(button_face)" = "$start_face" ] || fail "Space started the clock"

key F5
snap "3-running"
[ "$(button_face)" != "$start_face" ] || fail "F5 did not start the clock"
sleep 1.7
key F9
snap "4-paused"
[ "$(button_face)" = "$start_face" ] || fail "F9 did not pause the clock"
# About two seconds played: the seconds digit shows 2 (upper right and lower left lit, the others dark).
[ "$(seconds_segment 52 24)" = "255,255,0" ] || fail "seconds digit is not 2 (upper right dark)"
[ "$(seconds_segment 7 60)" = "255,255,0" ] || fail "seconds digit is not 2 (lower left dark)"
[ "$(seconds_segment 7 24)" = "0,0,0" ] || fail "seconds digit is not 2 (upper left lit)"
[ "$(seconds_segment 52 60)" = "0,0,0" ] || fail "seconds digit is not 2 (lower right lit)"
paused_clock=$(clock_image)
[ "$(tick_of 7)" = "0,0,0" ] || fail "line 8 lost its tick"

# RESET is enabled now, and no key reaches it; neither does any other key start the game.
focus_roster
for other in F1 F2 F3 F4 F6 F7 F8 F10 F11 F12 Return KP_Enter Escape Delete BackSpace r shift+F5 ctrl+F9; do
  xdotool key "$other"
done
sleep 0.5
snap "5-other-keys"
[ "$(clock_image)" = "$paused_clock" ] || fail "a key that is not F5 changed the clock"
[ "$(button_face)" = "$start_face" ] || fail "a key that is not F5 started the clock"

# The modal dialogs keep the keys to themselves.
xdotool mousemove $((x + 26)) $((y + 88)) click 1
about=$(wait_window "Information") || fail "no About box"
sleep 0.3
key F5
snap "6-about-F5"
xdotool key Return
wait_gone "Information" || fail "the About box did not close"
xdotool mousemove $((x + 215)) $((y + 86)) click 1
dialog=$(wait_window "$OPEN_CAPTION") || fail "no open dialog"
sleep 0.5
xdotool windowfocus "$dialog"
key F5
snap "7-open-F5"
xdotool key Escape
wait_gone "$OPEN_CAPTION" || fail "the open dialog did not close"
sleep 0.3
# The keyboard comes back to the main window when a dialog closes, with or
# without a window manager.
[ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$win" ] || fail "the focus did not come back to the main window"
snap "8-dialogs-closed"
[ "$(button_face)" = "$start_face" ] || fail "F5 under a modal dialog started the clock"
[ "$(clock_image)" = "$paused_clock" ] || fail "the clock changed under a modal dialog"

# Held keys: the server repeats them, and each acts once.
hold F5
snap "9-held-F5"
[ "$(button_face)" != "$start_face" ] || fail "a held F5 did not leave the clock running"
[ "$(clock_image)" != "$paused_clock" ] || fail "the clock did not go on after a held F5"
hold F9
snap "10-held-F9"
[ "$(button_face)" = "$start_face" ] || fail "a held F9 did not leave the clock paused"
held_clock=$(clock_image)
sleep 1.2
snap "11-still-paused"
[ "$(clock_image)" = "$held_clock" ] || fail "the clock runs after a held F9"
[ "$(button_face)" = "$start_face" ] || fail "START is not shown after a held F9"
close_app
echo "PASS"
