#!/usr/bin/env bash
# First run centred at the design size; closing writes the geometry; the
# second run opens where the first was left.
source "$(dirname "$0")/lib.sh"
start_xvfb

open_main_window "no window captioned '$MAIN_CAPTION'"
screenshot "first-run"
[ "$w" = 800 ] && [ "$h" = 405 ] || fail "first run size ${w}x${h}, expected 800x405"
[ "$x" = 240 ] && [ "$y" = 197 ] || fail "first run not centred: at $x,$y"

xdotool windowmove "$win" 100 150
xdotool windowsize "$win" 900 500
sleep 0.5
close_app
conf=$(settings_file)
[ -f "$conf" ] || fail "no settings written"
grep -q '^Left=100$' "$conf" || fail "Left not written: $(cat "$conf")"
grep -q '^Top=150$' "$conf" || fail "Top not written: $(cat "$conf")"
grep -q '^Width=900$' "$conf" || fail "Width not written: $(cat "$conf")"
grep -q '^Height=500$' "$conf" || fail "Height not written: $(cat "$conf")"

open_main_window "second run showed no window"
screenshot "second-run"
[ "$x $y $w $h" = "100 150 900 500" ] || fail "second run at $x $y $w $h, expected 100 150 900 500"
close_app

# A monitor that is gone: the window comes back on the screen.
printf '[General]\nLeft=5000\nTop=3000\nWidth=808\nHeight=439\n' >"$conf"
open_main_window "third run showed no window"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1280 ] && [ $((y + h)) -le 800 ] || fail "window off screen at $x $y $w $h"
close_app
echo "PASS"
