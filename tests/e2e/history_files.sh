#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The history's files as a crash, a disk or another program may leave them:
#   - the WAL damaged in an early frame after a crash during play: exactly one
#     message, the WAL kept aside with the database byte for byte, and the
#     game offered and brought back as far as the WAL holds it whole;
#   - a FIFO in place of the database: the start does not wait on it, one
#     message comes within a second, the clock runs and the FIFO stays;
#   - a stray rollback journal beside the database: one message, the journal
#     kept aside unplayed, and the database as it was;
#   - the lock file private, and a workbook exported past links of its name
#     that point at missing files elsewhere: none followed, none replaced.
source "$(dirname "$0")/lib.sh"
start_xvfb

sha() { sha256sum "$1" | cut -d' ' -f1; }
# The one file set aside with the suffix $1 ("" for the database).
aside() {
  local found
  found=$(ls "$DATA" | grep -E "^games\.db\.damaged-[0-9]{8}-[0-9]{6}(-[0-9]+)?$1\$" || true)
  [ "$(echo "$found" | grep -c .)" = 1 ] || fail "$case_name: not one file set aside as *$1: $(ls "$DATA" | tr '\n' ' ')"
  echo "$DATA/$found"
}
# Answers the message box $1 with Return and waits until that box is gone
# (another one may follow it at once).
answer_box() {
  xdotool windowfocus "$1"
  sleep 0.2
  xdotool key Return
  for _ in $(seq 1 60); do
    xdotool search --onlyvisible --name "^${MESSAGE_CAPTION}\$" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.05
  done
  fail "$case_name: the message box did not close on Return"
}
# Waits for the main window and puts its client area in x y w h.
main_window() {
  win=$(wait_window "$MAIN_CAPTION") || fail "$case_name: no main window"
  wait_framed "$win"
  sleep 0.5
  read -r x y w h < <(window_geometry "$win")
}

# 1. START, six seconds of running clock, the program killed: the whole game
# lies in the WAL, one commit a second after the START's.
case_name="wal-damaged"
open_main_window
click_start_pause
sleep 6.2
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
# One byte flipped in the first frame of the third second's commit: the START
# and the checkpoints of seconds 1 and 2 lie before it, 3 to 6 behind it.
/usr/bin/python3 - "$DB-wal" <<'PYTHON' || fail "$case_name: no WAL of six seconds to damage"
import struct, sys
path = sys.argv[1]
wal = bytearray(open(path, "rb").read())
page_size = struct.unpack(">I", wal[8:12])[0]
frame = 24 + page_size
commits = [i for i in range((len(wal) - 32) // frame) if struct.unpack(">I", wal[32 + i * frame + 4:32 + i * frame + 8])[0]]
if len(commits) < 6:
    sys.exit("only %d commits" % len(commits))
at = 32 + (commits[2] + 1) * frame + 24 + 1000
wal[at] ^= 0x40
open(path, "wb").write(wal)
PYTHON
db_sum=$(sha "$DB")
wal_sum=$(sha "$DB-wal")
start_app
message=$(wait_message) || fail "$case_name: no message about the damaged WAL"
sleep 0.4
case_shot message
[ "$(message_count)" = 1 ] || fail "$case_name: more than one message at once"
[ -z "$(xdotool search --onlyvisible --name "^${MAIN_CAPTION}\$" 2>/dev/null || true)" ] || fail "$case_name: the window shows before the message is answered"
answer_box "$message"
# Then the question about the game brought back so far: Fortsetzen.
question=$(wait_message) || fail "$case_name: the game as far as the WAL holds it was not offered"
sleep 0.4
case_shot question
answer_box "$question"
main_window
no_message_for 10
case_shot recovered
[ "$(clock_text "$SHOT")" = "00:02" ] || fail "$case_name: the clock shows $(clock_text "$SHOT"), not the 00:02 the WAL holds whole"
[ "$(sha "$(aside -wal)")" = "$wal_sum" ] || fail "$case_name: the WAL set aside is not the damaged WAL"
[ "$(sha "$(aside "")")" = "$db_sum" ] || fail "$case_name: the database set aside is not the database as found"
[ "$(stored_game events | awk '{ print $2 }' | paste -sd ' ')" = "start pause" ] || fail "$case_name: the stored game is not the one brought back: $(stored_game events)"
close_app

# 2. A FIFO where the database belongs: nothing opens it to wait for a writer.
case_name="fifo"
rm -rf "$DATA"
mkdir -p "$DATA"
chmod 700 "$DATA"
mkfifo -m 600 "$DB"
start_app
message=$(wait_message 20) || fail "$case_name: no message within a second"
answer_message "$message" Return
main_window
click_start_pause
sleep 1.3
click_start_pause
sleep 0.4
case_shot played
[ "$(clock_seconds "$(clock_text "$SHOT")")" -ge 1 ] || fail "$case_name: the clock did not run"
no_message_for 5
close_app
[ -p "$DB" ] && [ "$(ls -A "$DATA")" = "games.db" ] || fail "$case_name: the FIFO or its folder was touched: $(ls -lA "$DATA")"

# 3. A rollback journal that, played back, would make the database claim
# schema version 1: it is set aside unplayed before the database is judged.
case_name="stray-journal"
rm -rf "$DATA"
open_main_window
close_app
/usr/bin/python3 - "$DB" <<'PYTHON' || fail "$case_name: no journal written"
import struct, sys
path = sys.argv[1]
database = open(path, "rb").read()
page = bytearray(database[:4096])
page[60:64] = struct.pack(">I", 1)
nonce, sector = 0x2468ACE0, 512
header = bytes.fromhex("d9d505f920a163d7") + struct.pack(">IIIII", 1, nonce, len(database) // 4096, sector, 4096)
checksum = (nonce + sum(page[i] for i in range(4096 - 200, 0, -200))) & 0xFFFFFFFF
open(path + "-journal", "wb").write(header.ljust(sector, b"\0") + struct.pack(">I", 1) + page + struct.pack(">I", checksum))
PYTHON
db_sum=$(sha "$DB")
journal_sum=$(sha "$DB-journal")
start_app
message=$(wait_message) || fail "$case_name: no message about the journal"
sleep 0.4
case_shot message
[ "$(message_count)" = 1 ] || fail "$case_name: more than one message"
answer_message "$message" Return
main_window
no_message_for 10
[ "$(sha "$DB")" = "$db_sum" ] || fail "$case_name: the database was changed"
[ ! -e "$DB-journal" ] || fail "$case_name: the journal is still beside the database"
[ "$(sha "$(aside -journal)")" = "$journal_sum" ] || fail "$case_name: the journal set aside is not the journal"
[ "$(sha "$(aside "")")" = "$db_sum" ] || fail "$case_name: the database set aside is not the database"
click_start_pause
sleep 1.3
click_start_pause
sleep 0.4
[ "$(stored_game games)" = "1 open" ] || fail "$case_name: the game was not stored in the database"

# 4. The lock file is the user's alone, and the export writes its workbook
# as a file of its own: links of every name it could take in the next
# seconds, pointing at missing files outside the documents folder, are
# neither followed nor replaced.
case_name="private-and-no-links"
[ "$(stat -c %a "$DATA/instance.lock")" = 600 ] || fail "$case_name: the lock file is $(stat -c %a "$DATA/instance.lock")"
use_fake_spreadsheet
documents="$HOME/Documents"
mkdir -p "$documents"
now=$(date +%s)
for offset in $(seq 0 20); do
  ln -s "$E2E_HOME/outside-$offset.xlsx" "$documents/Quintora $(date -d "@$((now + offset))" '+%Y-%m-%d %H-%M-%S').xlsx"
done
book=$(export_workbook)
[ -f "$book" ] && [ ! -L "$book" ] || fail "$case_name: the workbook $book is no file of its own"
case "$book" in "$documents/"*" (2).xlsx") ;; *) fail "$case_name: the workbook took the name $book" ;; esac
[ -z "$(ls "$E2E_HOME" | grep '^outside-' || true)" ] || fail "$case_name: a link was followed: $(ls "$E2E_HOME" | grep '^outside-')"
close_app
echo "PASS"
