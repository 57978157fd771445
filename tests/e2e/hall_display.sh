#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The hall display on a display with two screens side by side (the bench's
# 1280 x 800, a projector's 1920 x 1080): opened from the clock's menu it
# fills the second screen; its digits, read from the pixels, equal the
# bench clock's while it runs and after PAUSE; its players follow a
# substitution; its themes switch; it comes back after a restart, and stays
# closed once closed.  Then with a single screen: a window of its own.
source "$(dirname "$0")/lib.sh"
FACE_POINTS="$BUILD_DIR/tests/display/hall_face_points"
[ -x "$FACE_POINTS" ] || fail "$FACE_POINTS is missing"
XVFB_SCREENS="-screen 0 1280x800x24 -screen 1 1920x1080x24"
start_xvfb
BENCH_DISPLAY=$DISPLAY
HALL_DISPLAY=$DISPLAY.1

hall_shot() { SHOT="$ARTIFACTS/hall-$1.png"; DISPLAY=$HALL_DISPLAY /usr/bin/import -silent -window root "$SHOT"; }
hall_window() { DISPLAY=$HALL_DISPLAY wait_window Hallenanzeige "${1:-200}"; }

# Prints what the display shows as "MM:SS" on the screenshot $1 of a display
# of $2 x $3 (players shown when $4 is "players"), its digits in colour $5
# ("r,g,b"); the tens of minutes may be dimmed.  An unreadable digit is "?".
hall_text() {
  local format
  # One reading of the image: "r,g,b" of each segment's middle, a line each.
  format=$("$FACE_POINTS" "$2" "$3" ${4:+players} | awk '$1 == "digit" {
    printf "%%[fx:int(255*p{%d,%d}.r)],%%[fx:int(255*p{%d,%d}.g)],%%[fx:int(255*p{%d,%d}.b)]\\n", $4, $5, $4, $5, $4, $5 }')
  /usr/bin/convert "$1" -format "$format" info: | awk -v lit="$5" '
    { p[int((NR - 1) / 7)] = p[int((NR - 1) / 7)] ($0 == lit ? "1" : "0") }
    END {
      # Segments in the order top, middle, bottom, upper left, upper right, lower left, lower right.
      split("1011111 0000101 1110110 1110101 0101101 1111001 1111011 1000101 1111111 1111101", patterns, " ")
      for (d = 1; d <= 10; d++) digit[patterns[d]] = d - 1
      for (i = 0; i < 4; i++) {
        shown = (p[i] in digit) ? digit[p[i]] : "?"
        if (i == 0 && p[i] == "0000000") shown = 0
        text = text shown (i == 1 ? ":" : "")
      }
      print text
    }'
}

# The bench clock and the display, read from one screenshot each; a sample
# counts only when the bench clock shows the same before and after the
# display's screenshot, so that a second turning between them is not read as
# a difference.  Prints "BENCH HALL".
sample() {
  local before after i
  for i in $(seq 1 10); do
    screenshot bench-a
    hall_shot sample
    screenshot bench-b
    before=$(clock_text "$ARTIFACTS/bench-a.png")
    after=$(clock_text "$ARTIFACTS/bench-b.png")
    [ "$before" = "$after" ] && { echo "$before $(hall_text "$SHOT" 1920 1080 "${1:-}" 255,255,255)"; return 0; }
  done
  echo "the bench clock turned during every one of ten samples"
}

# The width of the ink in the name part of the display's player line $2 of
# team $1 (0 left) on the screenshot $3: a name tells itself by its width.
name_width() {
  local left top width height
  read -r left top width height < <("$FACE_POINTS" 1920 1080 players | awk -v t="$1" -v l="$2" '$1 == "player" && $2 == t && $3 == l { print $4, $5, $6, $7 }')
  /usr/bin/convert "$3" -crop "$((width * 6 / 10))x${height}+${left}+${top}" +repage -fuzz 10% -trim -format '%w' info: 2>/dev/null
}

# The display's context menu, opened on its middle, and the item $1 Downs from the top.
hall_menu_item() {
  DISPLAY=$HALL_DISPLAY xdotool mousemove --screen 1 960 540 click 3
  sleep 0.5
  DISPLAY=$HALL_DISPLAY xdotool key --repeat "$1" --delay 50 Down
  DISPLAY=$HALL_DISPLAY xdotool key Return
  sleep 0.5
}

# --- Two screens: opened from the bench's clock menu, its last item ---
open_main_window "no main window"
clock_menu
xdotool key Up Return
hall=$(hall_window) || fail "\"Hallenanzeige\" opened no window on the second screen"
sleep 0.5
[ "$(window_geometry "$hall")" = "0 0 1920 1080" ] || fail "the display does not fill the second screen: $(window_geometry "$hall")"
DISPLAY=$HALL_DISPLAY xprop -id "$hall" _NET_WM_STATE | grep -q FULLSCREEN || fail "the display is not full screen"
[ -z "$(xdotool search --screen 0 --onlyvisible --name '^Hallenanzeige$' 2>/dev/null || true)" ] || fail "a display on the bench's screen too"
hall_shot opened
[ "$(hall_text "$SHOT" 1920 1080 "" 255,255,255)" = "00:00" ] || fail "the display shows $(hall_text "$SHOT" 1920 1080 "" 255,255,255) before the start"

# Ten samples while the clock runs and after PAUSE.
click_start_pause
for n in $(seq 1 7); do
  read -r bench shown < <(sample)
  [ "$bench" = "$shown" ] || fail "running, sample $n: the bench shows $bench, the display $shown"
  sleep 0.3
done
[ "$(clock_seconds "$bench")" -ge 2 ] || fail "the clock did not run: $bench"
click_start_pause
sleep 0.4
for n in 8 9 10; do
  read -r bench shown < <(sample)
  [ "$bench" = "$shown" ] || fail "paused, sample $n: the bench shows $bench, the display $shown"
done
paused_at=$bench

# The players on court, switched on in the display's menu (its first item).
hall_menu_item 1
hall_shot players-before
[ "$(hall_text "$SHOT" 1920 1080 players 255,255,255)" = "$paused_at" ] || fail "with the players the display shows $(hall_text "$SHOT" 1920 1080 players 255,255,255)"
before=()
for line in 0 1 2 3 4; do before+=("$(name_width 0 "$line" "$SHOT")"); done
# A substitution: the first of team 1 goes off, the seventh comes on.
roster_tick 1 0
roster_tick 1 6
sleep 0.4
hall_shot players-after
after=()
for line in 0 1 2 3 4; do after+=("$(name_width 0 "$line" "$SHOT")"); done
[ "${after[*]:0:4}" = "${before[*]:1:4}" ] || fail "the display's players did not move up: before ${before[*]}, after ${after[*]}"
[ "${after[4]}" != "${before[4]}" ] || fail "the player come on is not shown last: before ${before[*]}, after ${after[*]}"

# Themes: black on white (third item), then yellow on blue (fourth).
hall_menu_item 3
hall_shot black-on-white
[ "$(hall_text "$SHOT" 1920 1080 players 0,0,0)" = "$paused_at" ] || fail "black on white shows $(hall_text "$SHOT" 1920 1080 players 0,0,0)"
[ "$(/usr/bin/convert "$SHOT" -crop 1x1+1+1 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)" = 255,255,255 ] || fail "black on white: the background is not white"
hall_menu_item 4
hall_shot yellow-on-blue
[ "$(hall_text "$SHOT" 1920 1080 players 255,221,0)" = "$paused_at" ] || fail "yellow on blue shows $(hall_text "$SHOT" 1920 1080 players 255,221,0)"

# F11 and Escape act in the display's window, and the bench keeps its own keys.
DISPLAY=$HALL_DISPLAY xdotool windowfocus --sync "$hall" key Escape
sleep 0.5
[ "$(window_geometry "$hall" | cut -d' ' -f3)" -lt 1920 ] || fail "Escape did not leave full screen"
DISPLAY=$HALL_DISPLAY xdotool windowfocus --sync "$hall" key F11
sleep 0.5
[ "$(window_geometry "$hall")" = "0 0 1920 1080" ] || fail "F11 did not enter full screen: $(window_geometry "$hall")"

# Closed with the program and started again: back on the second screen, as it was.
close_app
grep -q '^Open=true' "$(settings_file)" || fail "the display's being open was not kept"
# The game stood at exit: the program asks to go on with it first.
start_app
message=$(wait_message) || fail "no question about the game left standing"
answer_message "$message" Return
win=$(wait_window "$MAIN_CAPTION") || fail "no main window after the restart"
sleep 0.5
read -r x y w h < <(window_geometry "$win")
hall=$(hall_window) || fail "the display did not come back with the program"
sleep 0.5
[ "$(window_geometry "$hall")" = "0 0 1920 1080" ] || fail "after the restart the display does not fill the second screen"
hall_shot restarted
[ "$(hall_text "$SHOT" 1920 1080 players 255,221,0)" = "$paused_at" ] || fail "after the restart the display shows $(hall_text "$SHOT" 1920 1080 players 255,221,0), not $paused_at in yellow"

# Closed by the user (its menu's last item): the game goes on, and the next start has no display.
DISPLAY=$HALL_DISPLAY xdotool mousemove --screen 1 960 540 click 3
sleep 0.5
DISPLAY=$HALL_DISPLAY xdotool key Up Return
DISPLAY=$HALL_DISPLAY wait_gone Hallenanzeige || fail "\"Schließen\" did not close the display"
kill -0 "$APP_PID" || fail "closing the display ended the program"
shot bench-after-close
[ "$(clock_text "$SHOT")" = "$paused_at" ] || fail "closing the display touched the game: $(clock_text "$SHOT")"
close_app
start_app
message=$(wait_message) || fail "no question about the game left standing, the second time"
answer_message "$message" Return
wait_window "$MAIN_CAPTION" >/dev/null || fail "no main window after closing the display"
sleep 1
[ -z "$(DISPLAY=$HALL_DISPLAY xdotool search --onlyvisible --name '^Hallenanzeige$' 2>/dev/null || true)" ] || fail "a display closed by the user came back"
close_app

# --- One screen: a window of its own beside the bench's ---
kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""
XVFB_SCREENS=""
start_xvfb
rm -rf "$XDG_DATA_HOME/Velmarin" # a new game, without the question
open_main_window "no main window on a single screen"
clock_menu
xdotool key Up Return
hall=$(wait_window Hallenanzeige) || fail "no display on a single screen"
sleep 0.5
read -r hx hy hw hh < <(window_geometry "$hall")
[ "$hw" -lt 1280 ] && [ "$hh" -lt 800 ] || fail "on a single screen the display is not a window of its own: ${hw}x${hh}"
[ $((hy)) -ge $((y + h)) ] || [ $((hy + hh)) -le "$y" ] || [ "$hx" -ge $((x + w)) ] || [ $((hx + hw)) -le "$x" ] \
  || fail "the display ($hx,$hy ${hw}x${hh}) covers the bench's window ($x,$y ${w}x${h})"
# The smallest picture looked at: 640 x 360, in the screen's corner.
xdotool windowmove "$hall" 0 0 windowsize "$hall" 640 360
sleep 0.5
read -r hx hy hw hh < <(window_geometry "$hall")
[ "$hw $hh" = "640 360" ] || fail "the display did not take 640 x 360: ${hw}x${hh}"
for item in 2 3 4; do
  xdotool mousemove $((hx + 320)) $((hy + 180)) click 3
  sleep 0.5
  xdotool key --repeat "$item" --delay 50 Down
  xdotool key Return
  sleep 0.5
  screenshot "one-screen-theme-$item"
  /usr/bin/convert "$ARTIFACTS/one-screen-theme-$item.png" -crop "640x360+${hx}+${hy}" +repage "$ARTIFACTS/hall-640x360-theme-$item.png"
done
close_app
echo "PASS"
