#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The Info button opens the About box "Information" centred over the main
# window; Escape leaves it open, Return closes it; the next showing opens
# where the last one was left; a logout while it is open still ends the program.
source "$(dirname "$0")/lib.sh"
start_xvfb

open_about() {
  xdotool mousemove --window "$main" 26 88 click 1
  wait_window "Information" 100
}

start_app
main=$(wait_window "$MAIN_CAPTION") || fail "no main window"
sleep 0.5
read -r mx my mw mh < <(window_geometry "$main")

about=$(open_about) || fail "the Info button opened no window named 'Information'"
sleep 0.3
screenshot "about-open"
read -r ax ay aw ah < <(window_geometry "$about")
[ "$aw $ah" = "390 219" ] || fail "About box is ${aw}x${ah}, expected 390x219"
# Centred over the main window (no window manager: no frames).
dx=$(( (ax + aw / 2) - (mx + mw / 2) )); dy=$(( (ay + ah / 2) - (my + mh / 2) ))
[ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || fail "About box at $ax,$ay is not centred over the main window at $mx,$my ${mw}x${mh}"

xdotool key Escape
sleep 0.4
[ -n "$(xdotool search --onlyvisible --name '^Information$' 2>/dev/null || true)" ] || fail "Escape closed the About box"

xdotool windowmove "$about" 100 120
sleep 0.3
xdotool key Return
wait_gone "Information" || fail "Return did not close the About box"
screenshot "about-closed"

about=$(open_about) || fail "the second click on Info opened nothing"
sleep 0.3
read -r ax ay aw ah < <(window_geometry "$about")
[ "$ax $ay" = "100 120" ] || fail "second showing at $ax,$ay, expected where the first was left (100,120)"

# A logout while the About box is open ends the program all the same.
close_app
echo "PASS"
