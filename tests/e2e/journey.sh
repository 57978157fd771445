#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A whole match day in the real window, every step checked from outside:
# first start, both teams loaded through the open dialog, the starting
# players ticked, START/PAUSE, a substitution, START/PAUSE again, the export
# read back by LibreOffice, the About box, RESET, moving and resizing, and a
# second start that finds the window where it was left.  Runs with and
# without a window manager (QUINTORA_E2E_WM).
source "$(dirname "$0")/lib.sh"
command -v soffice >/dev/null 2>&1 || { echo "SKIP: LibreOffice (soffice) is not installed"; exit 77; }
start_xvfb

colour() { /usr/bin/convert "$SHOT" -crop "1x1+$((x + $1))+$((y + $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }

# A stand-in spreadsheet program: it only notes which file it was asked to open.
use_fake_spreadsheet
opened="$OPENED_LOG"

# Two teams, twelve and eight players, one name with a comma, one with quotes.
team1="$E2E_HOME/home1.txt"
team2="$E2E_HOME/away2.txt"
printf ' 4 Anna Berger\r\n 5 Clara Dietz\r\n 6 Eva Fuchs\r\n 7 Greta Hoff\r\n 8 Ida Jung\r\n 9 Karla Lenz\r\n10 Mia Noll\r\n11 Olga Pohl\r\n12 Rita Sauer\r\n13 Tina Ulm\r\n14 Vera Wolf\r\n15 Xenia Zorn\r\n' >"$team1"
printf '4 Berg, Hanna\n5 Kai "Kiki" Lutz\n6 Lea Moos\n7 Nina Ott\n8 Pia Rau\n9 Sina Tell\n10 Uta Vogt\n11 Wiebke Yps\n' >"$team2"

# Clicks the check box of a roster line: $1 team (1 left, 2 right), $2 row.
tick() {
  local left=$(( $1 == 1 ? 2 : w / 2 + 2 ))
  xdotool mousemove $((x + left + 7)) $((y + 113 + $2 * 23 + 11)) click 1
  sleep 0.1
}
ticked() { # prints 1 when the box of line $2 of team $1 is ticked, on the last screenshot
  local left=$(( $1 == 1 ? 2 : w / 2 + 2 ))
  [ "$(colour $((left + 4)) $((113 + $2 * 23 + 10)))" = "0,0,0" ] && echo 1 || echo 0
}

# 1. First start: centred at the design size.
open_main_window
shot first-start
frame=$(frame_geometry "$win")
[ "$frame" = "$(first_run_frame)" ] || fail "first start: frame at $frame, expected $(first_run_frame)"

# 2. Both teams through the real dialog (sbLoad1 at 197,67; sbLoad2 at 565,68).
load_team $((x + 215)) $((y + 86)) "$team1"
load_team $((x + 583)) $((y + 87)) "$team2"
sleep 0.3
shot teams-loaded
[ "$(ticked 1 0)" = 0 ] || fail "a loaded team starts with no player ticked"

# 3. The starting five of each side.
for row in 0 1 2 3 4; do tick 1 $row; tick 2 $row; done
sleep 0.3
shot starting-five
for row in 0 4; do
  [ "$(ticked 1 $row)" = 1 ] && [ "$(ticked 2 $row)" = 1 ] || fail "starting player $row not ticked"
done
[ "$(ticked 1 5)" = 0 ] || fail "line 6 ticked"

# 4. START, two seconds, PAUSE.
xdotool mousemove $((x + 175)) $((y + 27)) click 1
sleep 2.1
xdotool click 1
xdotool mousemove $((x + 420)) $((y + 200))
sleep 0.5
shot first-half
[ "$(clock_text "$SHOT")" = "00:02" ] || fail "clock does not show 00:02 after the first half"

# 5. Substitution: line 1 out, line 6 in.
tick 1 0
tick 1 5
sleep 0.3
shot substitution
[ "$(ticked 1 0)" = 0 ] && [ "$(ticked 1 5)" = 1 ] || fail "substitution not shown"

# 6. START, about a second and a half, PAUSE: 00:03 or 00:04 in all.
xdotool mousemove $((x + 175)) $((y + 27)) click 1
sleep 1.6
xdotool click 1
xdotool mousemove $((x + 420)) $((y + 200))
sleep 0.5
shot second-half
clock_s=""
case "$(clock_text "$SHOT")" in 00:03) clock_s=3 ;; 00:04) clock_s=4 ;; esac
[ -n "$clock_s" ] || fail "clock shows neither 00:03 nor 00:04"

# 7. Export (sbExcel at 384,2 in the bottom panel, 36 x 39).
xdotool mousemove $((x + 402)) $((y + 345 + 21)) click 1
for _ in $(seq 1 100); do [ -s "$opened" ] && break; sleep 0.1; done
shot exported
[ -s "$opened" ] || fail "the spreadsheet program was not asked to open the workbook"
book=$(head -n 1 "$opened")
book=${book#file://}
[ -f "$book" ] || fail "the workbook $book does not exist"
check_plain_numbers "$book"
case "$book" in "$HOME"/Documents/*.xlsx) ;; *) fail "workbook not in the documents folder: $book" ;; esac
mkdir -p "$E2E_HOME/csv"
HOME="$E2E_HOME/lo-home" soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' "$book" --outdir "$E2E_HOME/csv" >"$ARTIFACTS/soffice.log" 2>&1 || fail "LibreOffice could not read the workbook"
csv="$E2E_HOME/csv/$(basename "${book%.xlsx}").csv"
[ -f "$csv" ] || fail "no CSV from LibreOffice"
cp "$csv" "$ARTIFACTS/export.csv"
# Every roster line in column 1, team 1 first, then team 2 directly below.
expected=$( (tr -d '\r' <"$team1"; cat "$team2") )
got=$(awk -F'\n' '{print}' "$csv" | tr -d '\r' | sed -E 's/,[^,]*$//' | sed -E 's/^"(.*)"$/\1/; s/""/"/g')
[ "$got" = "$expected" ] || { diff <(echo "$expected") <(echo "$got") >"$ARTIFACTS/lines.diff"; fail "column 1 differs from the rosters (see lines.diff)"; }
times=$(tr -d '\r' <"$csv" | sed -E 's/.*,//')
[ "$(echo "$times" | grep -cvE '^0:0[0-9]:[0-9]{2}$')" = 0 ] || fail "a time in column 2 is not h:mm:ss: $times"
secs() { echo "$times" | sed -n "$1p" | awk -F: '{print $2 * 60 + $3}'; }
t1=$(secs 2); t6=$(secs 6); t7=$(secs 7); t_away=$(secs 13)
[ $((t1 - clock_s)) -ge -1 ] && [ $((t1 - clock_s)) -le 1 ] || fail "line 2 played ${t1}s, the clock shows ${clock_s}s"
[ "$t7" = 0 ] || fail "a player on the bench has ${t7}s"
[ "$t6" -ge 1 ] && [ "$t6" -lt "$t1" ] || fail "the substitute has ${t6}s, a starter ${t1}s"
[ $((t_away - clock_s)) -ge -1 ] && [ $((t_away - clock_s)) -le 1 ] || fail "away starter played ${t_away}s"

# 8. The About box from the Info button, closed with Return.
xdotool mousemove $((x + 26)) $((y + 88)) click 1
about=$(wait_window "Information") || fail "no About box"
sleep 0.4
shot about
xdotool windowfocus "$about"
xdotool key Return
wait_gone "Information" 40 || fail "the About box did not close"

# 9. RESET (566,5, 114 x 45): the clock back to 00:00.
xdotool mousemove $((x + 623)) $((y + 27)) click 1
xdotool mousemove $((x + 420)) $((y + 200))
sleep 0.4
shot reset
[ "$(clock_text "$SHOT")" = "00:00" ] || fail "RESET did not bring the clock back to 00:00"

# 10. Move and resize, then close.
xdotool windowmove "$win" 60 40
xdotool windowsize "$win" 1000 600
sleep 0.5
read -r x y w h < <(window_geometry "$win")
left=$(frame_geometry "$win")
client="$x $y $w $h"
shot moved
[ "$w $h" = "1000 600" ] || fail "window ${w}x${h} after resizing"
[ -n "$E2E_WM" ] || [ "$x $y" = "60 40" ] || fail "window at $x $y after moving"
close_app
[ "$(stored_frame)" = "$left" ] || fail "stored $(stored_frame), the frame was left at $left"

# 11. Start again: the window is where it was.
open_main_window "no main window on the second start"
shot second-start
frame=$(frame_geometry "$win")
[ "$frame" = "$left" ] || fail "second start: frame at $frame, expected $left"
[ "$x $y $w $h" = "$client" ] || fail "second start: client area at $x $y $w $h, expected $client"
close_app
echo "PASS"
