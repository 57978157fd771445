#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Youth rules at the bench.  A fresh account first: no rules line beside the
# export button.  Then the eighths preset ("Mini 8 × 4 (2–6 Achtel)") kept
# in the settings: six eighths with the same five players of each team, each
# ended by hand through the clock's menu; the status line and the marks
# beside the times.  The seventh START would put those players into their
# seventh eighth: the question names it, and Abbrechen leaves the clock
# standing.  The export's sheet "Einsätze" read back with openpyxl: an X for
# each eighth played, the counts and the verdicts; the stored game begins
# with its rules.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
start_xvfb
use_fake_spreadsheet

# The bottom panel right of the export button: one colour while no rules speak.
rules_line_colours() {
  /usr/bin/convert "$1" -crop "360x36+$((x + 430))+$((y + 350))" +repage -unique-colors txt:- | tail -n +2 | wc -l
}

open_main_window
shot fresh-account
[ "$(rules_line_colours "$SHOT")" -eq 1 ] || fail "a fresh account shows something beside the export button"
close_app

conf=$(settings_file)
printf '[General]\nRules=Mini 8 \xc3\x97 4 (2\xe2\x80\x936 Achtel)\nPeriods=8\nPeriodMinutes=4\nOvertimeMinutes=4\n' >>"$conf"
open_main_window
shot rules-in-force
[ "$(rules_line_colours "$SHOT")" -gt 1 ] || fail "no rules line beside the export button"
for team in 1 2; do
  for line in 0 1 2 3 4; do
    [ "$(roster_ticked "$SHOT" $team $line)" = 1 ] || roster_tick $team $line
  done
done

# The number of periods ended by hand in the stored game.
periods_ended() { stored_game events | grep -c ' period_end ' || true; }

# "Abschnitt hier beenden", above the menu's last item; waits until the stored
# game holds the period end.  A menu that opened too late for the keys on
# a busy machine is opened once more.
end_period() {
  local attempt
  for attempt in 1 2; do
    clock_menu
    xdotool key Up Up
    sleep 0.2
    xdotool key Return
    for _ in $(seq 1 30); do [ "$(periods_ended)" -ge "$1" ] && return 0; sleep 0.1; done
    xdotool key Escape
  done
  fail "eighth $1 did not end through the clock's menu"
}

# Six eighths, each ended by hand at the second the clock shows.
for eighth in 1 2 3 4 5 6; do
  start_pause 1.3
  [ "$(message_count)" = 0 ] || fail "a question at the START of eighth $eighth"
  end_period "$eighth"
done
shot six-eighths
crop_window "$ARTIFACTS/status-and-marks.png" "$SHOT"
before=$(clock_text "$SHOT")

click_start_pause
box=$(wait_message) || fail "no question at the START of a seventh eighth"
sleep 0.3
shot question
answer_message "$box" Escape
sleep 1.2
shot after-abbrechen
[ "$(clock_text "$SHOT")" = "$before" ] || fail "the clock moved after Abbrechen: $before, then $(clock_text "$SHOT")"

book=$(export_workbook)
cp "$book" "$ARTIFACTS/rules.xlsx"
/usr/bin/python3 - "$book" >"$ARTIFACTS/einsaetze.txt" 2>&1 <<'PYTHON' || fail "the sheet Einsätze does not read back as it should: $(cat "$ARTIFACTS/einsaetze.txt")"
import sys
import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1])["Einsätze"]
rows = list(sheet.iter_rows(values_only=True))
header = list(rows[0])
assert header[:2] == ["Team", "Spieler"] and header[2:10] == ["%d. Achtel" % n for n in range(1, 9)], header
assert header[10:] == ["Gespielt", "Minuten", "Ergebnis"], header
for row in rows[1:]:
    print(row)
by_line = {row[1]: row for row in rows[1:]}
for line in (" 4 Tom Wagner", " 8 Lars Becker", " 4 Peter Krause"):
    row = by_line[line]
    assert list(row[2:10]) == ["X"] * 6 + [None] * 2, row
    assert row[10] == 6 and row[12] == "erfüllt", row
for line in (" 9 Sven Koch", "13 Sascha Roth"):
    row = by_line[line]
    assert list(row[2:10]) == [None] * 8, row
    assert row[10] == 0 and row[12] == "nicht erfüllt: nicht gespielt", row
PYTHON
close_app
# The game history keeps the rules the game was played by: stored before its first START.
events=$(stored_game events)
echo "$events" >"$ARTIFACTS/events.txt"
[ "$(echo "$events" | sed -n 1p | cut -d' ' -f2)" = rules ] || fail "the stored game does not begin with its rules: $(echo "$events" | head -n 2 | paste -sd ';')"
[ "$(echo "$events" | grep -c ' rules ')" = 1 ] || fail "the rules are stored more than once"
echo "PASS"
