#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
"""Reads the program's game history the way another program would, for the
real-window tests: from a copy of the database files, so that reading
leaves the originals exactly as the program left them.

  stored_game.py DB games     one line per game: "id end_reason" ("open" when not ended)
  stored_game.py DB events    the latest game's actions, one a line:
                              "seq kind game_ms [arg1 arg2 arg3] [T1 t,t,... T2 t,t,...]"
  stored_game.py DB checkpoint  "after_seq game_ms T1 t,t,... T2 t,t,..." of the latest game
"""
import os
import shutil
import sqlite3
import struct
import sys
import tempfile


def times(payload):
    if payload is None:
        return ""
    counts = payload[0], payload[1]
    values = struct.unpack("<%di" % (counts[0] + counts[1]), payload[2:])
    first, second = values[: counts[0]], values[counts[0]:]
    return "T1 %s T2 %s" % (",".join(map(str, first)), ",".join(map(str, second)))


def main():
    database, what = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "games.db")
        for suffix in ("", "-wal"):
            if os.path.exists(database + suffix):
                shutil.copyfile(database + suffix, copy + suffix)
        db = sqlite3.connect(copy)
        latest = db.execute("SELECT max(id) FROM game").fetchone()[0]
        if what == "games":
            for game_id, reason in db.execute("SELECT id, end_reason FROM game ORDER BY id"):
                print(game_id, reason or "open")
        elif what == "events":
            rows = db.execute(
                "SELECT seq, kind, game_ms, arg1, arg2, arg3, payload FROM event WHERE game_id = ? ORDER BY seq",
                (latest,))
            for seq, kind, game_ms, a1, a2, a3, payload in rows:
                args = " ".join(str(a) for a in (a1, a2, a3) if a is not None)
                text = times(payload) if kind == "pause" else ""
                print(" ".join(part for part in (str(seq), kind, str(game_ms), args, text) if part))
        elif what == "checkpoint":
            row = db.execute("SELECT after_seq, game_ms, times FROM checkpoint WHERE game_id = ?", (latest,)).fetchone()
            if row:
                print(row[0], row[1], times(row[2]))
        db.close()


main()
