#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A game history that cannot be used never stops the program and is never
# silent: a database cut at several lengths, one of random bytes, a folder
# in its place, a file of a newer program, an unwritable folder, and a
# second copy started during a game.  Each time the program starts, shows
# exactly one message before its window, and the game runs (also with the
# data folder on a read-only file system); a damaged file
# is kept aside unchanged, and a second copy leaves the first one's game alone.
source "$(dirname "$0")/lib.sh"
start_xvfb


# Starts the program, expects exactly one message before the window, answers
# it, and plays a second of game: the clock must run.
start_with_one_message() { # $1: how to start the program (start_app)
  local message
  "${1:-start_app}"
  message=$(wait_message) || fail "$case_name: no message"
  sleep 0.4
  case_shot message
  [ "$(message_count)" = 1 ] || fail "$case_name: more than one message"
  [ -z "$(xdotool search --onlyvisible --name "^${MAIN_CAPTION}\$" 2>/dev/null || true)" ] || fail "$case_name: the window shows before the message is answered"
  answer_message "$message" Return
  win=$(wait_window "$MAIN_CAPTION") || fail "$case_name: no main window after the message"
  sleep 0.5
  read -r x y w h < <(window_geometry "$win")
  no_message_for 5
  click_start_pause
  sleep 1.3
  no_message_for 3
  click_start_pause
  sleep 0.4
  case_shot played
  [ "$(clock_seconds "$(clock_text "$SHOT")")" -ge 1 ] || fail "$case_name: the clock did not run"
  no_message_for 10
  close_app
}

# A real database of one short game, as a clean close leaves it.
open_main_window
click_start_pause
sleep 1.2
click_start_pause
sleep 0.3
close_app
[ "$(stored_game games)" = "1 open" ] || fail "no game stored to damage"
cp "$DB" "$E2E_HOME/good.db"
size=$(stat -c %s "$E2E_HOME/good.db")

fresh_folder() { rm -rf "$DATA"; mkdir -p "$DATA"; chmod 700 "$DATA"; }
# The damaged file lies aside under a new name with its bytes unchanged, and a new database stores the game.
expect_kept_aside() {
  local aside
  aside=$(ls "$DATA" | grep '^games\.db\.damaged-' || true)
  [ "$(echo "$aside" | grep -c .)" = 1 ] || fail "$case_name: not exactly one file set aside: $(ls "$DATA" | tr '\n' ' ')"
  cmp -s "$DATA/$aside" "$1" || fail "$case_name: the file set aside is not the damaged file"
  [ "$(stored_game games)" = "1 open" ] || fail "$case_name: the new database did not store the game"
}

for length in 100 5000 $((size / 2)) $((size - 1000)); do
  case_name="cut-$length"
  fresh_folder
  head -c "$length" "$E2E_HOME/good.db" >"$DB"
  cp "$DB" "$E2E_HOME/damaged.db"
  start_with_one_message
  expect_kept_aside "$E2E_HOME/damaged.db"
done

case_name="random-bytes"
fresh_folder
head -c 16384 /dev/urandom >"$DB"
cp "$DB" "$E2E_HOME/damaged.db"
start_with_one_message
expect_kept_aside "$E2E_HOME/damaged.db"

case_name="folder-in-place"
fresh_folder
mkdir "$DB"
touch "$DB/keep"
start_with_one_message
[ -f "$DB/keep" ] && [ "$(ls "$DATA" | tr '\n' ' ')" = "games.db " ] || fail "$case_name: the folder was touched: $(ls "$DATA")"

case_name="newer-schema"
fresh_folder
cp "$E2E_HOME/good.db" "$DB"
/usr/bin/python3 -c 'import sqlite3, sys; db = sqlite3.connect(sys.argv[1]); db.execute("PRAGMA user_version = 99"); db.commit(); db.close()' "$DB"
cp "$DB" "$E2E_HOME/newer.db"
start_with_one_message
cmp -s "$DB" "$E2E_HOME/newer.db" || fail "$case_name: the newer database was changed"

# A folder nobody may write in, not even root: immutable (where the file system allows it).
case_name="unwritable-folder"
fresh_folder
if chattr +i "$DATA" 2>/dev/null; then
  start_with_one_message
  chattr -i "$DATA"
  [ -z "$(ls "$DATA")" ] || fail "$case_name: something was written"
else
  echo "note: chattr +i is not allowed here; the unwritable folder is left out"
fi

# A data folder on a read-only file system: told as such, not as another
# copy (the program in a mount namespace of its own, where the folder is a
# read-only bind mount; root only).
start_app_read_only() {
  APP_RUN=$((APP_RUN + 1))
  unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"' \
    sh "$DATA" "$QUINTORA" >"$ARTIFACTS/app-$APP_RUN.log" 2>&1 &
  APP_PID=$!
}
case_name="read-only-folder"
fresh_folder
if unshare -m sh -c 'mount --bind "$1" "$1"' sh "$DATA" 2>/dev/null; then
  start_with_one_message start_app_read_only
  [ -z "$(ls "$DATA")" ] || fail "$case_name: something was written"
else
  echo "note: no read-only bind mount here (needs root); the read-only folder is left out"
fi

# A second copy started while the first one's clock runs.
case_name="second-copy"
fresh_folder
open_main_window
first_pid=$APP_PID
first_win=$win
click_start_pause
sleep 0.5
start_app
second_pid=$APP_PID
message=$(wait_message) || fail "$case_name: no message in the second copy"
sleep 0.4
case_shot message
[ "$(message_count)" = 1 ] || fail "$case_name: more than one message"
answer_message "$message" Return
second_win=$(xdotool search --sync --onlyvisible --pid "$second_pid" --name "^${MAIN_CAPTION}\$" | head -n 1)
[ -n "$second_win" ] || fail "$case_name: the second copy shows no window"
sleep 0.5
win=$second_win
read -r x y w h < <(window_geometry "$win")
click_start_pause
sleep 1.3
click_start_pause
sleep 0.3
case_shot second-played
[ "$(clock_seconds "$(clock_text "$SHOT")")" -ge 1 ] || fail "$case_name: the second copy's clock did not run"
no_message_for 5
close_app
# The first copy ran on all the while; its game alone is stored.
APP_PID=$first_pid
win=$first_win
read -r x y w h < <(window_geometry "$win")
click_start_pause
sleep 0.4
case_shot first-paused
[ "$(clock_seconds "$(clock_text "$SHOT")")" -ge 2 ] || fail "$case_name: the first copy's clock stopped"
[ "$(stored_game events | awk '{ print $2 }' | paste -sd ' ')" = "start pause" ] || fail "$case_name: the stored game is not the first copy's alone: $(stored_game events)"
close_app
echo "PASS"
