#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Ten starts in a row, each closed with the close box, keep the stored outer
# frame and the client area exactly as the first start had them; a window
# moved and resized by the user comes back as it was left.  Under a window
# manager (QUINTORA_E2E_WM) the frame is reported only after the window
# appears, and the user drags the title bar and the corner grip; without one
# the frame is the client area, and the program is closed as a logout would.
source "$(dirname "$0")/lib.sh"
start_xvfb

# Opens the main window (start $1) and sets FRAME and CLIENT to its outer
# frame and its client area once it is framed.
open_window() {
  open_main_window "start $1: no window '$MAIN_CAPTION'"
  FRAME=$(frame_geometry "$win")
  CLIENT="$x $y $w $h"
}

# Drags with the left button from $1,$2 by $3,$4 in a few steps, as a hand does.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.1
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2))
  sleep 0.1
  xdotool mousemove $(($1 + $3)) $(($2 + $4))
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}

for start in $(seq 1 10); do
  open_window "$start"
  if [ "$start" = 1 ]; then
    screenshot "start-01"
    [ "$FRAME" = "$(first_run_frame)" ] || fail "first start: frame $FRAME, expected $(first_run_frame)"
    first_frame=$FRAME
    first_client=$CLIENT
  fi
  [ "$start" = 10 ] && screenshot "start-10"
  [ "$FRAME" = "$first_frame" ] || fail "start $start: frame $FRAME, the first start had $first_frame"
  [ "$CLIENT" = "$first_client" ] || fail "start $start: client area $CLIENT, the first start had $first_client"
  close_with_close_box "$win"
  [ "$(stored_frame)" = "$first_frame" ] || fail "start $start stored $(stored_frame), expected $first_frame"
  echo "start $start: frame $FRAME, client area $CLIENT"
done

# Moved and resized, then closed: the next start shows it as it was left.
open_window 11
read -r x y w h < <(frame_geometry "$win")
if [ -n "$E2E_WM" ]; then
  read -r _ _ top _ < <(frame_extents "$win")
  drag $((x + w / 3)) $((y + top / 2)) -150 -100
  read -r x y w h < <(frame_geometry "$win")
  drag $((x + w - 3)) $((y + h - 2)) 150 100
else
  xdotool windowmove "$win" $((x - 150)) $((y - 100))
  xdotool windowsize "$win" $((w + 150)) $((h + 100))
  sleep 0.5
fi
left=$(frame_geometry "$win")
left_client=$(window_geometry "$win")
screenshot "moved"
read -r fx fy fw fh <<<"$first_frame"
read -r lx ly lw lh <<<"$left"
[ "$lx" -lt "$fx" ] && [ "$ly" -lt "$fy" ] && [ "$lw" -gt "$fw" ] && [ "$lh" -gt "$fh" ] \
  || fail "the window was not moved and resized: $left, from $first_frame"
close_with_close_box "$win"
[ "$(stored_frame)" = "$left" ] || fail "stored $(stored_frame) after moving, the frame was left at $left"

open_window 12
screenshot "as-left"
[ "$FRAME" = "$left" ] || fail "after moving: frame $FRAME, left at $left"
[ "$CLIENT" = "$left_client" ] || fail "after moving: client area $CLIENT, left at $left_client"
close_with_close_box "$win"
[ "$(stored_frame)" = "$left" ] || fail "stored $(stored_frame) on the start after moving, expected $left"
echo "PASS"
