#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The game report in the real window: START, about a second, PAUSE; the
# clock set to 09:58 through its menu ("Uhr stellen …"); START across the
# end of the first period at 10:00 for about three seconds, PAUSE; a
# substitution (line 1 of the home team out, line 6 in); START for about
# two seconds, PAUSE; the export.  Read back with Python's openpyxl: the
# rosters' sheet as always, "Abschnitte" with the columns "1. Abschnitt"
# and "2. Abschnitt" whose times add up to the rosters' sheet for every
# line, and "Wechsel" with the spells on court and the clock set by hand.
source "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c 'import openpyxl' 2>/dev/null || { echo "SKIP: python3-openpyxl is not installed"; exit 77; }
start_xvfb
use_fake_spreadsheet

# 1. About a second of play with the starting five of both teams.
open_main_window
start_pause 1.2

# 2. The clock set to 09:58 through its menu and dialog.
set_clock "09:58"

# 3. Across 10:00, a substitution, and on.
start_pause 3.2
roster_tick 1 0
roster_tick 1 5
start_pause 2.2
shot played

# 4. The export, read back.
book=$(export_workbook)
cp "$book" "$ARTIFACTS/report.xlsx"
/usr/bin/python3 - "$book" >"$ARTIFACTS/report.txt" 2>&1 <<'PYTHON' || fail "the report does not read back as it should: $(cat "$ARTIFACTS/report.txt")"
import sys
import openpyxl
from sheet_time import seconds

book = openpyxl.load_workbook(sys.argv[1])
names = [sheet.title for sheet in book.worksheets]
assert names[1:] == ["Abschnitte", "Wechsel"], names
assert book.active.title == names[0], book.active.title
rosters = [row for row in book.worksheets[0].iter_rows(min_col=1, max_col=2, values_only=True)]
assert len(rosters) == 20, len(rosters)

periods = list(book["Abschnitte"].iter_rows(values_only=True))
header = list(periods[0])
assert header == ["Spieler", "1. Abschnitt", "2. Abschnitt", "Gesamt", "Abschnitte auf dem Feld"], header
assert len(periods) == 21, len(periods)
for (line, time), row in zip(rosters, periods[1:]):
    assert row[0] == line, (row[0], line)
    first, second, total = seconds(row[1]), seconds(row[2]), seconds(row[3])
    assert abs(first + second - total) < 0.002, row
    # Whole seconds, the same as the rosters' sheet shows.
    assert abs(seconds(time) - total) < 0.002, (line, time, total)
    print("%s\t%.3f\t%.3f\t%.3f\t%s" % (line, first, second, total, row[4]))
# The home team's line 1 played until the substitution after 10:00; line 6 after it.
assert seconds(periods[1][1]) > 590 and 0 < seconds(periods[1][2]) < 5, periods[1]
assert seconds(periods[6][1]) == 0 and 1 < seconds(periods[6][2]) < 4, periods[6]

changes = list(book["Wechsel"].iter_rows(min_row=2, values_only=True))
clock_set = [row for row in changes if row[1] == "Uhr gestellt"]
stints = [row for row in changes if row[1] != "Uhr gestellt"]
assert len(clock_set) == 1, changes
assert len(stints) == 11, stints
print("Wechsel: %d spells on court, clock set %s" % (len(stints), clock_set[0][4]))
PYTHON
close_app
echo "PASS"
