#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A close is no end of the game: closed with the close box during a pause,
# the game is offered at the next start; Escape on the question ("Neues
# Spiel") gives exactly the start-up screen of a first start, ends the game
# in the history (nothing deleted), and the start after that asks nothing.
source "$(dirname "$0")/lib.sh"
start_xvfb

no_message_for() { # $1 tenths of a second without any message box
  for _ in $(seq 1 "$1"); do [ "$(message_count)" = 0 ] || fail "an unexpected message box"; sleep 0.1; done
}

# 1. A first start, kept as today's start-up screen; a game of a second and a half, paused.
open_main_window
no_message_for 10
shot first-start
crop_window "$ARTIFACTS/today.png" "$SHOT"
click_start_pause
sleep 1.6
click_start_pause
sleep 0.4
roster_tick 2 6
shot paused
close_with_close_box "$win"
[ "$(stored_game games)" = "1 open" ] || fail "the close ended the game: $(stored_game games)"

# 2. The next start asks; Escape is "Neues Spiel".
start_app
message=$(wait_message) || fail "the game was not offered after the close"
sleep 0.4
shot question
answer_message "$message" Escape
win=$(wait_window "$MAIN_CAPTION") || fail "no main window after Neues Spiel"
wait_framed "$win"
sleep 0.6
read -r x y w h < <(window_geometry "$win")
no_message_for 10
shot new-game
crop_window "$ARTIFACTS/new-game.png" "$SHOT"
differing=$(/usr/bin/compare -metric AE "$ARTIFACTS/today.png" "$ARTIFACTS/new-game.png" /dev/null 2>&1 || true)
[ "$differing" = 0 ] || fail "Neues Spiel differs from a first start in $differing pixels"
[ "$(stored_game games)" = "1 new_game" ] || fail "the game given up is not kept as new_game: $(stored_game games)"
close_with_close_box "$win"

# 3. Nothing left to offer: the next start asks nothing.
open_main_window "no main window at the third start"
no_message_for 15
shot third-start
close_app
echo "PASS"
