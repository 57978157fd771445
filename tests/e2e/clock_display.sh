#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The game clock in the real window: 00:00 from the start, the leading 0
# dark grey, the other digits and the colon yellow, on black inside the
# clock panel's bevel.
source "$(dirname "$0")/lib.sh"
start_xvfb

open_main_window "no window captioned '$MAIN_CAPTION'"
screenshot "clock"
shot="$ARTIFACTS/clock.png"
colour() {
  /usr/bin/convert "$shot" -crop "1x1+$((x + $1))+$((y + $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}
expect() {
  local got
  got=$(colour "$1" "$2")
  [ "$got" = "$3" ] || fail "$4 at $1,$2: $got, expected $3"
}
# The frame fills the clock panel (240,4) inside its 2-pixel bevel; the digits
# sit 7 pixels into it: tens of minutes at 7, minutes at 79, seconds at 174 and 246.
expect 242 6 0,0,0 "clock background"
expect $((242 + 7 + 29)) $((6 + 7 + 7)) 64,64,64 "dim leading 0, top bar"
expect $((242 + 7 + 29)) $((6 + 7 + 42)) 0,0,0 "leading 0, middle bar off"
for left in 79 174 246; do
  expect $((242 + left + 29)) $((6 + 7 + 7)) 255,255,0 "digit at $left, top bar"
  expect $((242 + left + 52)) $((6 + 7 + 60)) 255,255,0 "digit at $left, lower-right bar"
  expect $((242 + left + 29)) $((6 + 7 + 42)) 0,0,0 "digit at $left, middle bar off"
done
yellow=$(/usr/bin/convert "$shot" -crop "25x81+$((x + 242 + 146))+$((y + 6))" +repage -fill black +opaque 'rgb(255,255,0)' \
  -format '%[fx:int(w*h*mean)]' info:)
[ "$yellow" -gt 0 ] || fail "no yellow colon"
close_app
echo "PASS"
