#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# First run centred at the design size; closing writes the outer frame; the
# second run opens where the first was left.  Runs with and without a window
# manager (QUINTORA_E2E_WM).
source "$(dirname "$0")/lib.sh"
start_xvfb

open_main_window "no window captioned '$MAIN_CAPTION'"
frame=$(frame_geometry "$win")
screenshot "first-run"
[ "$frame" = "$(first_run_frame)" ] || fail "first run frame at $frame, expected $(first_run_frame)"
[ -n "$E2E_WM" ] || [ "$w $h" = "800 405" ] || fail "first run size ${w}x${h}, expected 800x405"

xdotool windowmove "$win" 100 150
xdotool windowsize "$win" 900 500
sleep 0.5
left=$(frame_geometry "$win")
client=$(window_geometry "$win")
[ "${client#* * }" = "900 500" ] || fail "resized to $client, expected 900 x 500"
[ -n "$E2E_WM" ] || [ "$left" = "100 150 900 500" ] || fail "moved to $left, expected 100 150 900 500"
close_app
conf=$(settings_file)
[ -f "$conf" ] || fail "no settings written"
[ "$(stored_frame)" = "$left" ] || fail "stored $(stored_frame), the frame was left at $left: $(cat "$conf")"

open_main_window "second run showed no window"
screenshot "second-run"
[ "$(frame_geometry "$win")" = "$left" ] || fail "second run frame at $(frame_geometry "$win"), expected $left"
[ "$x $y $w $h" = "$client" ] || fail "second run client at $x $y $w $h, expected $client"
close_app
[ "$(stored_frame)" = "$left" ] || fail "the second run stored $(stored_frame), expected $left"

# A monitor that is gone: the window comes back on the screen.
printf '[General]\nLeft=5000\nTop=3000\nWidth=808\nHeight=439\n' >"$conf"
open_main_window "third run showed no window"
read -r x y w h < <(frame_geometry "$win")
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1280 ] && [ $((y + h)) -le 800 ] || fail "window off screen at $x $y $w $h"
close_app
echo "PASS"
