#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A period ended by hand, as a bench on a German desktop does it: START,
# about 3.4 s, PAUSE (the clock shows 00:03); "Abschnitt hier beenden";
# the clock set to 10:03 with "Uhr stellen …"; line 1 of the home team
# off, line 6 on; START, about two seconds, PAUSE; the export.  Read back
# with openpyxl: the first period ends where the clock showed, so line 6
# played one period and nothing in the second, line 1 two; every spell
# lasts its "Aus" minus its "Ein", a line's spells add up to its time on
# the rosters' sheet, and no number in the workbook has a decimal comma.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
start_xvfb
use_fake_spreadsheet

open_main_window
start_pause 3.4
shot paused
[ "$(clock_text "$SHOT")" = "00:03" ] || fail "the clock shows $(clock_text "$SHOT") after about 3.4 seconds"

# "Abschnitt hier beenden", above the menu's last item (the hall display), ends the period.
clock_menu
xdotool key Up Up
sleep 0.2
shot period-end-item
xdotool key Return
sleep 0.4

set_clock "10:03"

roster_tick 1 0
roster_tick 1 5
start_pause 2
shot played

book=$(export_workbook)
cp "$book" "$ARTIFACTS/report.xlsx"
/usr/bin/python3 - "$book" >"$ARTIFACTS/report.txt" 2>&1 <<'PYTHON' || fail "the report does not read back as it should: $(cat "$ARTIFACTS/report.txt")"
import collections, sys
import openpyxl
import sheet_time

def seconds(value):
    return round(sheet_time.seconds(value))

book = openpyxl.load_workbook(sys.argv[1])
rosters = [row for row in book.worksheets[0].iter_rows(min_col=1, max_col=2, values_only=True)]
first_sheet = {line: seconds(time) for line, time in rosters}

periods = list(book["Abschnitte"].iter_rows(values_only=True))
header = list(periods[0])
assert header == ["Spieler", "1. Abschnitt", "2. Abschnitt", "3. Abschnitt", "Gesamt",
                  "Abschnitte auf dem Feld"], header
for (line, time), row in zip(rosters, periods[1:]):
    cells = [seconds(value) for value in row[1:5]]
    print(line, cells, row[5])
    assert sum(cells[:3]) == cells[3] == seconds(time), (line, cells, time)
    assert row[5] == sum(1 for cell in cells[:3] if cell > 0), row
line1, line6 = periods[1], periods[6]
assert line1[5] == 2 and seconds(line1[1]) == 3 and seconds(line1[2]) == 600, line1
assert line6[5] == 1 and seconds(line6[1]) == 0 and seconds(line6[2]) == 0, line6
assert seconds(line6[3]) in (1, 2), line6

spells = collections.defaultdict(int)
for team, player, on, off, length, *_ in book["Wechsel"].iter_rows(min_row=2, values_only=True):
    if player == "Uhr gestellt":
        continue
    assert seconds(off) - seconds(on) == seconds(length), (team, player, on, off, length)
    spells[(team, player)] += seconds(length)
for (team, player), total in spells.items():
    assert total == first_sheet[player], (team, player, total, first_sheet[player])
print("Wechsel: %d lines, every spell Aus minus Ein, every line's spells its time" % len(spells))
PYTHON
close_app
echo "PASS"
