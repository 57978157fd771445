# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Helpers for tests that drive the real program under its own Xvfb.
# Source this file; it sets up a throwaway HOME and a display, and cleans up on exit.

set -euo pipefail

QUINTORA=${1:?usage: $0 path/to/Quintora}
QUINTORA=$(readlink -f "$QUINTORA")
BUILD_DIR=$(dirname "$QUINTORA")
# QUINTORA_E2E_WM=openbox runs the test under a window manager that draws
# frames, started in the same Xvfb; unset, no manager runs and every frame
# is the client area.
E2E_WM=${QUINTORA_E2E_WM:-}
# QUINTORA_E2E_LANG=de_DE.UTF-8 runs the test on a German desktop, where
# the C library writes numbers with a decimal comma; en_US.UTF-8 on an
# English one, where the program and Qt's dialogs speak English; unset, it
# runs under the C locale, which speaks German.
E2E_LANG=${QUINTORA_E2E_LANG:-}
TEST_NAME=$(basename "$0" .sh)${E2E_WM:+-$E2E_WM}${E2E_LANG:+-${E2E_LANG%%_*}}
# The captions of the main window and of the open dialog (Qt's own,
# translated): German on a German desktop and under the C locale, English on
# any other.
MAIN_CAPTION="Quintora 0.9"
# The clock's dialog is the program's own, in the same language.
case "$E2E_LANG" in
  de_* | "") OPEN_CAPTION="Öffnen" CLOCK_DIALOG_CAPTION="Uhr stellen" ;;
  *) OPEN_CAPTION="Open" CLOCK_DIALOG_CAPTION="Set clock" ;;
esac
ARTIFACTS="$BUILD_DIR/e2e-artifacts/$TEST_NAME"
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"

for tool in Xvfb xdotool xwd xdpyinfo xwininfo xprop $E2E_WM; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

if [ -n "$E2E_LANG" ] && ! locale -a 2>/dev/null | grep -qix "${E2E_LANG%%.*}\.utf-\?8"; then
  echo "SKIP: the locale $E2E_LANG is not installed (scripts/install-deps generates it)"
  exit 77
fi
unset LC_ALL LANGUAGE LC_CTYPE LC_NUMERIC LC_TIME LC_COLLATE LC_MONETARY LC_MESSAGES
export LANG=${E2E_LANG:-C.UTF-8}

E2E_HOME=$(mktemp -d /tmp/quintora-e2e.XXXXXX)
export HOME="$E2E_HOME/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$E2E_HOME/runtime"
export XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# The read-backs' Python helpers (sheet_time.py) lie beside this file.
export PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)${PYTHONPATH:+:$PYTHONPATH}"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export QT_ENABLE_HIGHDPI_SCALING=0

XVFB_PID=""
WM_PID=""
APP_PID=""
FAILED_STEP=""

cleanup() {
  local rc=$?
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill -9 "$APP_PID" 2>/dev/null || true; fi
  if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$E2E_HOME"
  if [ $rc -eq 0 ] && [ -z "${KEEP_ARTIFACTS:-}" ]; then rm -rf "$ARTIFACTS"; else echo "Screenshots and logs kept in $ARTIFACTS"; fi
}
trap cleanup EXIT

# XVFB_SCREENS="-screen 0 1280x800x24 -screen 1 1920x1080x24" gives the
# display a second screen (":N.1"), as a projector beside the bench's.
start_xvfb() {
  # Each test holds an flock on its display number for as long as it runs,
  # so tests started side by side never pick, share or kill one server.
  local n i
  for n in $(seq 100 199); do
    exec {XVFB_LOCK_FD}>"/tmp/quintora-e2e-display-$n.lock"
    if ! flock -n "$XVFB_LOCK_FD"; then exec {XVFB_LOCK_FD}>&-; continue; fi
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then exec {XVFB_LOCK_FD}>&-; continue; fi
    # -noreset: a server that resets when its last client leaves turns away
    # a program started right after the previous one closed.
    # shellcheck disable=SC2086 # XVFB_SCREENS holds several words on purpose
    Xvfb ":$n" ${XVFB_SCREENS:--screen 0 1280x800x24} -nolisten tcp -noreset >"$ARTIFACTS/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for i in $(seq 1 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      # Our own server: it writes its process id into the display's lock file.
      if [ "$(tr -dc 0-9 2>/dev/null <"/tmp/.X$n-lock")" = "$XVFB_PID" ] && xdpyinfo >/dev/null 2>&1; then
        [ -z "$E2E_WM" ] || start_window_manager
        return 0
      fi
      sleep 0.05
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
    exec {XVFB_LOCK_FD}>&-
  done
  echo "FAIL: could not start Xvfb"
  return 1
}

# Starts the window manager named by QUINTORA_E2E_WM in the running Xvfb and
# waits until it manages windows (it announces itself on the root window).
start_window_manager() {
  case "$E2E_WM" in
    openbox) openbox --sm-disable >"$ARTIFACTS/openbox.log" 2>&1 & ;;
    *) echo "FAIL: unknown window manager '$E2E_WM'"; return 1 ;;
  esac
  WM_PID=$!
  local i
  for i in $(seq 1 100); do
    kill -0 "$WM_PID" 2>/dev/null || break
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then return 0; fi
    sleep 0.05
  done
  echo "FAIL: $E2E_WM did not start"
  return 1
}

fail() {
  echo "FAIL: $*"
  screenshot "failure" || true
  exit 1
}

# ImageMagick's import reads every window as drawn; xwd -root shows a second
# top-level window (a dialog) as a black box under Xvfb.
screenshot() {
  /usr/bin/import -silent -window root "$ARTIFACTS/$1.png"
}

APP_RUN=0
start_app() {
  APP_RUN=$((APP_RUN + 1))
  "$QUINTORA" "$@" >"$ARTIFACTS/app-$APP_RUN.log" 2>&1 &
  APP_PID=$!
}

# Waits until a visible window with this exact name exists and prints its id.
wait_window() {
  local name=$1 tries=${2:-200} id
  for _ in $(seq 1 "$tries"); do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.05
  done
  return 1
}

# Waits until no visible window with this exact name is left; fails (returns
# 1) when one still shows after $2 tries of 50 ms (default 100).
wait_gone() {
  local name=$1 tries=${2:-100}
  for _ in $(seq 1 "$tries"); do
    [ -z "$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null || true)" ] && return 0
    sleep 0.05
  done
  return 1
}

# Starts the program, waits for its main window, for the frame where a
# window manager draws one, and lets it settle; sets `win` to the window's id
# and `x y w h` to its client area on the screen.  $1 is the failure message
# when no window shows.
open_main_window() {
  start_app
  win=$(wait_window "$MAIN_CAPTION") || fail "${1:-no main window}"
  wait_framed "$win"
  sleep 0.5
  read -r x y w h < <(window_geometry "$win")
}

# Prints "X Y W H" of a window's client area, its origin on the screen.
# (Under a window manager `xdotool getwindowgeometry` gives the origin inside the frame.)
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF}
    /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}'
}

# Prints "LEFT RIGHT TOP BOTTOM", the frame the window manager draws around a
# window: all 0 where none is drawn.
frame_extents() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *\([0-9, ]*\)$/\1/p' | tr -d ,)
  echo "${extents:-0 0 0 0}"
}

# Prints "X Y W H" of a window's outer frame: what the program stores.
frame_geometry() {
  local x y w h l r t b
  read -r x y w h < <(window_geometry "$1")
  read -r l r t b < <(frame_extents "$1")
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Waits until the window manager has framed a window (at once without one).
wait_framed() {
  [ -n "$E2E_WM" ] || return 0
  local i
  for i in $(seq 1 100); do
    [ "$(frame_extents "$1")" != "0 0 0 0" ] && return 0
    sleep 0.05
  done
  fail "$E2E_WM drew no frame around window $1"
}

# The outer frame of a first run on the 1280 x 800 screen: centred at the
# design size 808 x 439, or where no frame is drawn, the client area of
# 800 x 405 centred.
first_run_frame() {
  if [ -n "$E2E_WM" ]; then echo "236 180 808 439"; else echo "240 197 800 405"; fi
}

# Asks the program to close as a logout would, and waits for it to end.
close_app() {
  kill -TERM "$APP_PID"
  wait_app_end || fail "the program did not end after SIGTERM"
}

# Waits up to ten seconds for the program to end; false if it did not.
wait_app_end() {
  local i
  for i in $(seq 1 200); do
    kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" 2>/dev/null || true; APP_PID=""; return 0; }
    sleep 0.05
  done
  return 1
}

# Closes the program as a user does: with the close box of the window
# manager's frame (the rightmost title-bar button), or where no manager runs,
# as a logout would.  Waits for the program to end.
close_with_close_box() {
  if [ -z "$E2E_WM" ]; then close_app; return; fi
  local x y w h t
  read -r x y w h < <(frame_geometry "$1")
  read -r _ _ t _ < <(frame_extents "$1")
  xdotool mousemove $((x + w - 11)) $((y + t / 2)) click 1
  wait_app_end || fail "the program did not end after a click on the close box"
}

# Prints the colour of one screen pixel as "r,g,b".
pixel_at() {
  /usr/bin/import -silent -window root -crop "1x1+$1+$2" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

settings_file() {
  echo "$XDG_CONFIG_HOME/Velmarin/Quintora.conf"
}

# Loads a team through the real open dialog: clicks the loader button at
# screen position ($1, $2), types the file name $3 and waits until the
# dialog has closed.  The dialog is kept as open-dialog.png.
load_team() {
  local dialog
  xdotool mousemove "$1" "$2" click 1
  dialog=$(wait_window "$OPEN_CAPTION") || fail "no open dialog"
  sleep 0.4
  screenshot "open-dialog"
  xdotool windowfocus "$dialog"
  sleep 0.2
  xdotool key ctrl+a
  xdotool type --delay 15 "$3"
  xdotool key Return
  wait_gone "$OPEN_CAPTION" 60 || fail "the open dialog did not close"
}

# The stored outer frame as "X Y W H" (Left, Top, Width, Height).
stored_frame() {
  local conf key
  conf=$(settings_file)
  for key in Left Top Width Height; do sed -n "s/^$key=\(-\?[0-9]*\)\$/\1/p" "$conf"; done | paste -sd ' '
}

# A numbered screenshot of the screen, kept with the artefacts; $SHOT is its file.
SHOT_STEP=0
shot() {
  SHOT_STEP=$((SHOT_STEP + 1))
  local name
  name="$(printf '%02d' "$SHOT_STEP")-$1"
  screenshot "$name"
  SHOT="$ARTIFACTS/$name.png"
}

# The caption of the program's message boxes: the application title.
MESSAGE_CAPTION="Quintora"

# Prints what the game clock shows as "MM:SS" on the screenshot $1 of the
# main window whose client area begins at ($x, $y); a digit that cannot be
# read is "?".  The tens of minutes are dimmed, not lit, under ten minutes.
clock_text() {
  /usr/bin/convert "$1" -crop "318x100+$((x + 242))+$((y + 13))" +repage txt:- | awk -F'[,: ]+' '
    NR > 1 && ($0 ~ /#FFFF00([^0-9A-F]|$)/ || $0 ~ /#FFFFFFFF0000/) { lit[$1 "," $2] = 1 }
    END {
      split("7 79 174 246", lefts, " ")
      split("29,7 29,42 29,77 7,24 52,24 7,60 52,60", segments, " ")
      split("1011111 0000101 1110110 1110101 0101101 1111001 1111011 1000101 1111111 1111101", patterns, " ")
      for (d = 1; d <= 10; d++) digit[patterns[d]] = d - 1
      text = ""
      for (i = 1; i <= 4; i++) {
        p = ""
        for (s = 1; s <= 7; s++) { split(segments[s], at, ","); p = p ((lefts[i] + at[1]) "," at[2] in lit ? "1" : "0") }
        shown = (p in digit) ? digit[p] : "?"
        if (i == 1 && p == "0000000") shown = 0
        text = text shown (i == 2 ? ":" : "")
      }
      print text
    }'
}

# Whole seconds of a clock text "MM:SS".
clock_seconds() { echo "$1" | awk -F: '{ print $1 * 60 + $2 }'; }

# Prints 1 when the check box of line $3 of team $2 (1 left, 2 right) is
# ticked on the screenshot $1 of an enabled roster, else 0.
roster_ticked() {
  local left=$(( $2 == 1 ? 2 : w / 2 + 2 )) colour
  colour=$(/usr/bin/convert "$1" -crop "1x1+$((x + left + 4))+$((y + 113 + $3 * 23 + 10))" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)
  [ "$colour" = "0,0,0" ] && echo 1 || echo 0
}

# Clicks the check box of line $2 of team $1 in the main window.
roster_tick() {
  local left=$(( $1 == 1 ? 2 : w / 2 + 2 ))
  xdotool mousemove $((x + left + 7)) $((y + 113 + $2 * 23 + 11)) click 1
  sleep 0.15
}

# START or PAUSE (they share one place), then the mouse away from every button.
click_start_pause() {
  xdotool mousemove $((x + 175)) $((y + 27)) click 1
  xdotool mousemove $((x + 420)) $((y + 200))
}

# START, $1 seconds of running clock, PAUSE.
start_pause() {
  click_start_pause
  sleep "$1"
  click_start_pause
  sleep 0.4
}

# The clock's menu, opened with a right click on the clock.
clock_menu() {
  xdotool mousemove $((x + 400)) $((y + 50)) click 3
  sleep 0.5
}

# Sets the standing clock to $1 ("MM:SS") through the menu's first item,
# "Uhr stellen …", and its dialog, then checks that the clock shows it.
set_clock() {
  local dialog
  clock_menu
  xdotool mousemove $((x + 430)) $((y + 60)) click 1
  dialog=$(wait_window "$CLOCK_DIALOG_CAPTION") || fail "the clock's first menu item opened no dialog \"$CLOCK_DIALOG_CAPTION\""
  sleep 0.4
  xdotool windowfocus "$dialog"
  sleep 0.2
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_gone "$CLOCK_DIALOG_CAPTION" 60 || fail "the dialog did not close on Return"
  xdotool mousemove $((x + 420)) $((y + 200))
  sleep 0.4
  shot set
  [ "$(clock_text "$SHOT")" = "$1" ] || fail "the clock shows $(clock_text "$SHOT") after setting it to $1"
}

# The main window's client area on the screenshot $2 as the image $1.
crop_window() { /usr/bin/convert "$2" -crop "${w}x${h}+${x}+${y}" +repage "$1"; }

# The program's data folder and database, and what another program reads in it (stored_game.py).
DATA="$XDG_DATA_HOME/Velmarin/Quintora"
DB="$DATA/games.db"
games_db() { echo "$DB"; }
stored_game() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/stored_game.py" "$(games_db)" "$@"; }

# For tests of one history case after another: screenshots named by the
# case ($case_name), and a wait of $1 tenths of a second during which no
# message may show.
case_name=""
case_shot() { screenshot "$case_name-$1"; SHOT="$ARTIFACTS/$case_name-$1.png"; }
no_message_for() {
  for _ in $(seq 1 "$1"); do [ "$(message_count)" = 0 ] || fail "$case_name: a message too many"; sleep 0.1; done
}

# Waits for the one message box the program shows and prints its id; fails
# when none shows.
wait_message() { wait_window "$MESSAGE_CAPTION" "${1:-200}"; }
# The number of the program's message boxes on screen now.
message_count() { xdotool search --onlyvisible --name "^${MESSAGE_CAPTION}\$" 2>/dev/null | wc -l; }
# Answers the message box $1 with the key $2 and waits until it is gone.
answer_message() {
  xdotool windowfocus "$1"
  sleep 0.2
  xdotool key "$2"
  wait_gone "$MESSAGE_CAPTION" 60 || fail "the message box did not close on $2"
}

# The export through a stand-in spreadsheet program that only notes the
# workbook it was asked to open (use_fake_spreadsheet once, then
# export_workbook, which prints the workbook's path).
use_fake_spreadsheet() {
  OPENED_LOG="$E2E_HOME/opened.log"
  mkdir -p "$XDG_DATA_HOME/applications"
  cat >"$E2E_HOME/fake-calc" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$OPENED_LOG"
SCRIPT
  chmod +x "$E2E_HOME/fake-calc"
  cat >"$XDG_DATA_HOME/applications/fake-calc.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Fake Calc
Exec=$E2E_HOME/fake-calc %f
MimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;
DESKTOP
  xdg-mime default fake-calc.desktop application/vnd.openxmlformats-officedocument.spreadsheetml.sheet
}
export_workbook() {
  local before book
  before=$(cat "$OPENED_LOG" 2>/dev/null | wc -l)
  xdotool mousemove $((x + 402)) $((y + 345 + 21)) click 1
  xdotool mousemove $((x + 420)) $((y + 200))
  for _ in $(seq 1 100); do [ "$(cat "$OPENED_LOG" 2>/dev/null | wc -l)" -gt "$before" ] && break; sleep 0.1; done
  book=$(tail -n 1 "$OPENED_LOG" 2>/dev/null)
  book=${book#file://}
  [ -f "$book" ] || fail "the export wrote no workbook" >&2
  check_plain_numbers "$book" >&2
  echo "$book"
}
# Fails when a number in the workbook $1 is written with a decimal comma (as
# printf does under a German locale), which spreadsheet programs misread.
# The cell texts (shared strings) are the user's and may hold any comma.
check_plain_numbers() {
  local found
  found=$(/usr/bin/python3 - "$1" <<'PYTHON'
import re, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as book:
    for name in book.namelist():
        if name.endswith(".xml") and name != "xl/sharedStrings.xml":
            for number in re.findall(r'[-+.\w]*\d,\d[-+.\w]*', book.read(name).decode("utf-8")):
                print(name, number)
PYTHON
) || fail "the workbook $1 cannot be read as a ZIP file"
  [ -z "$found" ] || fail "numbers with a decimal comma in the workbook: $(echo "$found" | head -n 5 | paste -sd ';')"
}
# Prints each row of a workbook as "seconds<TAB>line" (column B as whole
# seconds, column A as it stands).
workbook_rows() {
  /usr/bin/python3 - "$1" <<'PYTHON'
import sys
import openpyxl
from sheet_time import whole_seconds_or
for line, value in openpyxl.load_workbook(sys.argv[1]).active.iter_rows(min_col=1, max_col=2, values_only=True):
    print("%d\t%s" % (whole_seconds_or(value, -1), line))
PYTHON
}
