#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A game survives a crash: a short game with a substitution, the program
# killed (SIGKILL) while the clock runs, started again, Return on the
# question ("Fortsetzen"): the rosters, check marks, clock and every
# player's time are back as at the kill, short by at most one second of
# running time and never ahead, and START goes on from there.  A game
# killed 0.6 s after its START, before the first checkpoint, is offered
# back too, with its line-up.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
start_xvfb
use_fake_spreadsheet

field() { echo "$1" | awk -v k="$2" '{ for (i = 1; i <= NF; i++) if ($i == k) print $(i + 1) }'; }
at() { echo "$1" | tr ',' '\n' | sed -n "$(($2 + 1))p"; }
shown_seconds() { echo $((($1 + 450) / 1000)); }
# Starts the program, answers its question with the key $1 and waits for the window.
restart_answering() {
  start_app
  message=$(wait_message) || fail "no question at the start"
  answer_message "$message" "$1"
  win=$(wait_window "$MAIN_CAPTION") || fail "no main window after $1"
  wait_framed "$win"
  sleep 0.6
  read -r x y w h < <(window_geometry "$win")
}

# 1. A first start: the sample rosters, the first five of each team on court.
open_main_window
shot first-start
[ "$(message_count)" = 0 ] || fail "a first start shows a message"

# 2. START, two seconds, PAUSE; a substitution: line 1 of the home team out, line 6 in.
click_start_pause
sleep 2.2
click_start_pause
sleep 0.4
roster_tick 1 0
roster_tick 1 5
sleep 0.3
shot substitution
[ "$(roster_ticked "$SHOT" 1 0)" = 0 ] && [ "$(roster_ticked "$SHOT" 1 5)" = 1 ] || fail "substitution not shown"

# 3. START again; the program is frozen and killed while the clock runs.
click_start_pause
sleep 2.6
kill -STOP "$APP_PID"
shot at-kill
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
clock_kill=$(clock_text "$SHOT")
case "$clock_kill" in *\?*) fail "clock unreadable at the kill: $clock_kill" ;; esac
echo "clock at the kill: $clock_kill"
stored_game events >"$ARTIFACTS/events-at-kill.txt"
pause1=$(awk '$2 == "pause"' "$ARTIFACTS/events-at-kill.txt" | head -n 1)
[ -n "$pause1" ] || fail "the first PAUSE was not stored"
pause1_ms=$(echo "$pause1" | awk '{ print $3 }')

# 4. Started again: the question first, before the main window.
start_app
message=$(wait_message) || fail "no question after the crash"
sleep 0.4
shot question
[ -z "$(xdotool search --onlyvisible --name "^${MAIN_CAPTION}\$" 2>/dev/null || true)" ] || fail "the main window shows before the question is answered"
answer_message "$message" Return
win=$(wait_window "$MAIN_CAPTION") || fail "no main window after Fortsetzen"
wait_framed "$win"
sleep 0.6
read -r x y w h < <(window_geometry "$win")
shot recovered
[ "$(message_count)" = 0 ] || fail "a message after Fortsetzen"

# The clock: as at the kill, or one second short; never ahead.
clock_rec=$(clock_text "$SHOT")
echo "clock recovered: $clock_rec"
kill_s=$(clock_seconds "$clock_kill"); rec_s=$(clock_seconds "$clock_rec")
[ "$rec_s" -le "$kill_s" ] && [ "$rec_s" -ge $((kill_s - 1)) ] || fail "clock $clock_rec after the crash, $clock_kill at the kill"

# The check marks as at the kill.
for row in 0 1 2 3 4 5 6; do
  expected=$([ "$row" -ge 1 ] && [ "$row" -le 5 ] && echo 1 || echo 0)
  [ "$(roster_ticked "$SHOT" 1 "$row")" = "$expected" ] || fail "home line $((row + 1)): tick not as at the kill"
  expected=$([ "$row" -le 4 ] && echo 1 || echo 0)
  [ "$(roster_ticked "$SHOT" 2 "$row")" = "$expected" ] || fail "away line $((row + 1)): tick not as at the kill"
done

# Every player's time.  Fortsetzen stored a PAUSE with the times the window now
# holds (milliseconds), at the checkpoint's game time C, at most 1.2 s before the kill.
stored_game events >"$ARTIFACTS/events-recovered.txt"
restored=$(tail -n 1 "$ARTIFACTS/events-recovered.txt")
[ "$(echo "$restored" | awk '{ print $2 }')" = pause ] || fail "Fortsetzen stored no PAUSE: $restored"
c_ms=$(echo "$restored" | awk '{ print $3 }')
[ "$(shown_seconds "$c_ms")" = "$rec_s" ] || fail "the clock shows $clock_rec, the stored game stands at $c_ms ms"
t1=$(field "$restored" T1); t2=$(field "$restored" T2); p1=$(field "$pause1" T1)
near() { [ $(($1 - $2)) -le 5 ] && [ $(($2 - $1)) -le 5 ]; }
for row in 1 2 3 4; do near "$(at "$t1" $row)" "$c_ms" || fail "home line $((row + 1)) has $(at "$t1" $row) ms, the clock $c_ms ms"; done
for row in 0 1 2 3 4; do near "$(at "$t2" $row)" "$c_ms" || fail "away line $((row + 1)) has $(at "$t2" $row) ms, the clock $c_ms ms"; done
[ "$(at "$t1" 0)" = "$(at "$p1" 0)" ] || fail "the player taken off has $(at "$t1" 0) ms, $(at "$p1" 0) ms at the substitution"
near "$(at "$t1" 5)" $((c_ms - pause1_ms)) || fail "the substitute has $(at "$t1" 5) ms, on court for $((c_ms - pause1_ms)) ms"
for row in 6 7 8 9; do [ "$(at "$t1" $row)" = 0 ] && [ "$(at "$t2" $row)" = 0 ] || fail "a bench player has time"; done

# What the window shows, through the export: the rosters' lines and the shown times.
book=$(export_workbook)
workbook_rows "$book" >"$ARTIFACTS/workbook.txt"
expected_lines=(" 4 Tom Wagner" " 5 Jens Richter" " 6 Kai Neumann" " 7 Ben Schulz" " 8 Lars Becker" " 9 Sven Koch"
  "10 Marco Wolf" "11 Uwe Zimmermann" "12 Jörg Krämer" "18 Till Schneider" " 4 Peter Krause" " 5 Dirk Lehmann"
  " 6 Rolf Hartmann" " 7 Frank Braun" " 8 Ralf Schmitt" " 9 Olaf Lange" "10 Heiko Vogel" "11 Timo Berger"
  "12 Nils Franke" "13 Sascha Roth")
[ "$(cut -f 2 "$ARTIFACTS/workbook.txt")" = "$(printf '%s\n' "${expected_lines[@]}")" ] || fail "the rosters' lines are not as at the kill (workbook.txt)"
for row in $(seq 0 19); do
  if [ "$row" -lt 10 ]; then ms=$(at "$t1" "$row"); else ms=$(at "$t2" $((row - 10))); fi
  got=$(sed -n "$((row + 1))p" "$ARTIFACTS/workbook.txt" | cut -f 1)
  [ "$got" = "$(shown_seconds "$ms")" ] || fail "line $((row + 1)) shows ${got}s, restored $ms ms"
done

# 5. START goes on from there; the stored game stands again after PAUSE.
click_start_pause
sleep 1.3
click_start_pause
sleep 0.4
shot continued
clock_cont=$(clock_text "$SHOT")
[ "$(clock_seconds "$clock_cont")" -ge $((rec_s + 1)) ] && [ "$(clock_seconds "$clock_cont")" -le $((rec_s + 2)) ] || fail "START did not go on from $clock_rec: $clock_cont"
stored_game events >"$ARTIFACTS/events-continued.txt"
tail -n 2 "$ARTIFACTS/events-continued.txt" | awk -v c="$c_ms" 'NR == 1 && ($2 != "start" || $3 != c) { exit 1 } NR == 2 && $2 != "pause" { exit 1 }' ||
  fail "the game did not go on in the stored game"
[ "$(stored_game games | wc -l)" = 1 ] || fail "a second game was stored"
close_app

# 6. Killed 0.6 s after a START, before the first checkpoint: the game is
# offered back with its line-up (home line 1 off, line 8 on), the clock at 00:00.
restart_answering Escape
roster_tick 1 0
roster_tick 1 7
click_start_pause
sleep 0.6
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
restart_answering Return
shot early-kill-recovered
[ "$(clock_text "$SHOT")" = "00:00" ] || fail "the clock shows $(clock_text "$SHOT") after an early kill"
for row in 0 1 2 3 4 5 6 7 8; do
  expected=$({ [ "$row" -ge 1 ] && [ "$row" -le 4 ]; } || [ "$row" = 7 ] && echo 1 || echo 0)
  [ "$(roster_ticked "$SHOT" 1 "$row")" = "$expected" ] || fail "home line $((row + 1)): tick not as at the early kill"
done
close_app
echo "PASS"
