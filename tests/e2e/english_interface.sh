#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The program in English on an English desktop (run with
# QUINTORA_E2E_LANG=en_US.UTF-8): the help button's hint, the clock's menu,
# the clock dialog, the open dialog, the report's sheets (read back with
# openpyxl) and the recovery question after a crash,
# each kept as a screenshot; the dialogs are found by their English captions.
# `--lang de` then brings the German dialog back.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
case "$E2E_LANG" in en_*) ;; *) echo "SKIP: runs on an English desktop (QUINTORA_E2E_LANG=en_US.UTF-8)"; exit 77 ;; esac
start_xvfb

# 1. The main window and the help button's hint.
open_main_window
# Qt shows hints in the active window only.
xdotool windowfocus "$win"
xdotool mousemove $((x + 20)) $((y + 40))
sleep 0.2
xdotool mousemove $((x + 26)) $((y + 45))
sleep 1.6
shot help-hint

# 2. The clock's menu, then its first item: the clock dialog, in English.
clock_menu
shot clock-menu
xdotool mousemove $((x + 430)) $((y + 60)) click 1
dialog=$(wait_window "$CLOCK_DIALOG_CAPTION") || fail "no dialog \"$CLOCK_DIALOG_CAPTION\" from the clock's menu"
sleep 0.4
shot clock-dialog
xdotool windowfocus "$dialog"
xdotool key Escape
wait_gone "$CLOCK_DIALOG_CAPTION" 60 || fail "the clock dialog did not close on Escape"

# 3. The open dialog of the home team (Qt's own, in English too).
xdotool mousemove $((x + 215)) $((y + 86)) click 1
dialog=$(wait_window "$OPEN_CAPTION") || fail "no open dialog \"$OPEN_CAPTION\""
sleep 0.5
shot open-dialog
xdotool windowfocus "$dialog"
xdotool key Escape
wait_gone "$OPEN_CAPTION" 60 || fail "the open dialog did not close on Escape"

# 4. A short run and the export: the report's sheets and headers are English,
# the players' lines as the team file has them.
use_fake_spreadsheet
start_pause 1.2
book=$(export_workbook)
cp "$book" "$ARTIFACTS/report.xlsx"
/usr/bin/python3 - "$book" >"$ARTIFACTS/report.txt" 2>&1 <<'PYTHON' || fail "the report is not English: $(cat "$ARTIFACTS/report.txt")"
import sys
import openpyxl
book = openpyxl.load_workbook(sys.argv[1])
names = [sheet.title for sheet in book.worksheets]
assert names[1:] == ["Periods", "Substitutions"], names
header = [cell.value for cell in book["Periods"][1]]
assert header == ["Player", "Period 1", "Total", "Periods on court"], header
assert book["Periods"]["A2"].value == " 4 Tom Wagner", book["Periods"]["A2"].value
PYTHON

# 5. START, a crash while the clock runs, a new start: the recovery question.
click_start_pause
sleep 1.5
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
start_app
message=$(wait_message) || fail "no recovery question after the crash"
sleep 0.4
shot recovery-question
answer_message "$message" Return
win=$(wait_window "$MAIN_CAPTION") || fail "no main window after the question"
close_app

# 6. `--lang de` speaks German on the same desktop: the question again (the
# game closed with SIGTERM stays open), then the clock dialog.
start_app --lang de
message=$(wait_message) || fail "no question with --lang de"
sleep 0.4
shot recovery-question-german
answer_message "$message" Escape
win=$(wait_window "$MAIN_CAPTION") || fail "no main window with --lang de"
wait_framed "$win"
sleep 0.5
read -r x y w h < <(window_geometry "$win")
clock_menu
xdotool mousemove $((x + 430)) $((y + 60)) click 1
wait_window "Uhr stellen" >/dev/null || fail "--lang de: no dialog \"Uhr stellen\""
shot clock-dialog-german
echo "PASS"
