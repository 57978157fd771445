#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# RESET taken back: a game paused, RESET, Ctrl+Z; the window is back pixel
# for pixel as before the RESET (clock, times, check marks, buttons), the
# stored game is open again, and START goes on from there.
source "$(dirname "$0")/lib.sh"
start_xvfb


open_main_window
click_start_pause
sleep 2.3
click_start_pause
sleep 0.3
roster_tick 1 2
roster_tick 1 7
xdotool mousemove $((x + 420)) $((y + 380))
sleep 0.4
shot before-reset
crop_window "$ARTIFACTS/before.png" "$SHOT"
clock_before=$(clock_text "$SHOT")

# RESET (566,5, 114 x 45): all back to zero.
xdotool mousemove $((x + 623)) $((y + 27)) click 1
xdotool mousemove $((x + 420)) $((y + 380))
sleep 0.5
shot reset
[ "$(clock_text "$SHOT")" = "00:00" ] || fail "RESET did not set the clock to 00:00"
[ "$(stored_game games)" = "1 reset" ] || fail "RESET did not end the stored game: $(stored_game games)"

# Ctrl+Z: the game as before the RESET.
xdotool windowfocus "$win"
sleep 0.2
xdotool key ctrl+z
sleep 0.5
shot undone
crop_window "$ARTIFACTS/undone.png" "$SHOT"
differing=$(/usr/bin/compare -metric AE "$ARTIFACTS/before.png" "$ARTIFACTS/undone.png" /dev/null 2>&1 || true)
[ "$differing" = 0 ] || fail "after Ctrl+Z the window differs from before the RESET in $differing pixels"
[ "$(stored_game games)" = "1 open" ] || fail "the stored game was not reopened: $(stored_game games)"
[ "$(stored_game events | tail -n 1 | awk '{ print $2 }')" = reset_undone ] || fail "no reset_undone stored"

# A second Ctrl+Z changes nothing; START goes on from the time before the RESET.
xdotool key ctrl+z
sleep 0.3
click_start_pause
sleep 1.2
click_start_pause
sleep 0.4
shot continued
clock_after=$(clock_text "$SHOT")
[ "$(clock_seconds "$clock_after")" -ge $(($(clock_seconds "$clock_before") + 1)) ] || fail "START did not go on from $clock_before: $clock_after"
close_app
echo "PASS"
