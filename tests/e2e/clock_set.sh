#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Setting the clock in the real window: START, about three seconds, PAUSE;
# a right click on the clock opens its menu, the first item "Uhr stellen …"
# the dialog, where 12:34 is typed and Return pressed.  The clock shows
# 12:34 at once; the export (read back with Python's openpyxl) has 0:12:34
# for the players on court and 0:00:00 for the bench; START goes on from
# 12:34.  The menu and the dialog are kept as screenshots.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
start_xvfb

colour() { /usr/bin/convert "$SHOT" -crop "1x1+$((x + $1))+$((y + $2))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
start_pause() { # $1: seconds the clock runs
  xdotool mousemove $((x + 175)) $((y + 27)) click 1
  sleep "$1"
  xdotool click 1
  xdotool mousemove $((x + 420)) $((y + 200))
  sleep 0.5
}

# A stand-in spreadsheet program: it only notes which file it was asked to open.
use_fake_spreadsheet
opened="$OPENED_LOG"

# 1. START, about three seconds, PAUSE (the starting five of both teams on court).
open_main_window
start_pause 3.2
shot paused
[ "$(clock_text "$SHOT")" = "00:03" ] || fail "the clock shows $(clock_text "$SHOT") after three seconds"

# 2. A right click on the clock: its menu, the first item at the top.
xdotool mousemove $((x + 400)) $((y + 50)) click 3
sleep 0.5
shot menu
# The menu stands over the clock's black right of the pointer; its face is light.
[ "$(colour 430 60)" != "0,0,0" ] || fail "no menu at the clock"
xdotool mousemove $((x + 430)) $((y + 60)) click 1
dialog=$(wait_window "Uhr stellen") || fail "the first item opened no dialog \"Uhr stellen\""
wait_framed "$dialog"
sleep 0.4
shot dialog

# 3. A time typed over the shown one, then Return.
xdotool windowfocus "$dialog"
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 20 "12:34"
xdotool key Return
wait_gone "Uhr stellen" 60 || fail "the dialog did not close on Return"
xdotool mousemove $((x + 420)) $((y + 200))
sleep 0.4
shot set
[ "$(clock_text "$SHOT")" = "12:34" ] || fail "the clock shows $(clock_text "$SHOT") after setting it to 12:34"

# 4. The export (sbExcel at 384,2 in the bottom panel): every line's time.
xdotool mousemove $((x + 402)) $((y + 345 + 21)) click 1
for _ in $(seq 1 100); do [ -s "$opened" ] && break; sleep 0.1; done
[ -s "$opened" ] || fail "the spreadsheet program was not asked to open the workbook"
book=$(head -n 1 "$opened")
book=${book#file://}
[ -f "$book" ] || fail "the workbook $book does not exist"
check_plain_numbers "$book"
/usr/bin/python3 - "$book" >"$ARTIFACTS/times.txt" <<'PYTHON' || fail "openpyxl could not read the workbook"
import sys
import openpyxl
from sheet_time import seconds
sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
for line, time in sheet.iter_rows(min_col=1, max_col=2, values_only=True):
    print(f"{round(seconds(time))}\t{line}")
PYTHON
expected=$(for team in 1 2; do for row in 1 2 3 4 5; do echo 754; done; for row in 6 7 8 9 10; do echo 0; done; done)
[ "$(cut -f1 "$ARTIFACTS/times.txt")" = "$expected" ] \
  || fail "exported times (seconds) are not 12:34 on court and 0:00 on the bench: $(cut -f1 "$ARTIFACTS/times.txt" | paste -sd ' ')"

# 5. START goes on from 12:34.
start_pause 2.2
shot continued
case "$(clock_text "$SHOT")" in 12:36 | 12:37) ;; *) fail "the clock shows $(clock_text "$SHOT") two seconds after 12:34" ;; esac
close_app
grep -q '^Periods=' "$(settings_file)" && fail "the period format was written although none was picked"
echo "PASS"
