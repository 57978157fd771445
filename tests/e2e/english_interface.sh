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

# Clicks at ($1, $2), waits for the dialog captioned $3, keeps it as the
# screenshot $4 and closes it with Escape.
look_at_dialog() {
  local dialog
  xdotool mousemove "$1" "$2" click 1
  dialog=$(wait_window "$3") || fail "no dialog \"$3\""
  sleep 0.4
  shot "$4"
  xdotool windowfocus "$dialog"
  xdotool key Escape
  wait_gone "$3" 60 || fail "the dialog \"$3\" did not close on Escape"
}

# 2. The clock's menu and its first item's dialog; the open dialog (Qt's own).
clock_menu
shot clock-menu
look_at_dialog $((x + 430)) $((y + 60)) "$CLOCK_DIALOG_CAPTION" clock-dialog
look_at_dialog $((x + 215)) $((y + 86)) "$OPEN_CAPTION" open-dialog

# 3. A short run and the export: the report's sheets and headers are English,
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

# 4. START, a crash while the clock runs, a new start: the recovery question.
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

# 5. `--lang de` speaks German on the same desktop: the question again (the
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
look_at_dialog $((x + 430)) $((y + 60)) "Uhr stellen" clock-dialog-german
echo "PASS"
