#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# A damaged settings file never stops the program: with garbage bytes, huge
# numbers, negative sizes, non-numbers and a folder in place of
# ~/.config/Velmarin/Quintora.conf it opens a visible window "Quintora 0.9"
# of a usable size on the screen, ends cleanly (exit code 0) on SIGTERM,
# and what it saves then is a window on the screen again.
source "$(dirname "$0")/lib.sh"
start_xvfb
SCREEN_W=1280
SCREEN_H=800
conf=$(settings_file)

# Ends the program as a logout would; its exit code goes to EXIT_STATUS.
close_with_status() {
  kill -TERM "$APP_PID"
  EXIT_STATUS=0
  for _ in $(seq 1 200); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      wait "$APP_PID" || EXIT_STATUS=$?
      APP_PID=""
      return 0
    fi
    sleep 0.05
  done
  fail "the program did not end after SIGTERM"
}

# Starts the program with the settings left by `prepare` and checks the
# window and the exit.
check_start() {
  local name=$1 win x y w h
  open_main_window "$name: no visible window '$MAIN_CAPTION'"
  screenshot "$name"
  [ "$w" -ge 200 ] && [ "$h" -ge 150 ] || fail "$name: window is ${w}x${h}"
  [ "$w" -le "$SCREEN_W" ] && [ "$h" -le "$SCREEN_H" ] || fail "$name: window ${w}x${h} is larger than the screen"
  [ "$x" -lt "$SCREEN_W" ] && [ "$y" -lt "$SCREEN_H" ] && [ $((x + w)) -gt 0 ] && [ $((y + h)) -gt 0 ] \
    || fail "$name: window at $x,$y ${w}x${h} is off the screen"
  close_with_status
  [ "$EXIT_STATUS" = 0 ] || fail "$name: exit code $EXIT_STATUS after SIGTERM"
  if [ -f "$conf" ]; then
    # What the program saved opens on the screen next time.
    local left top width height
    left=$(sed -n 's/^Left=\(-\?[0-9]*\)$/\1/p' "$conf")
    top=$(sed -n 's/^Top=\(-\?[0-9]*\)$/\1/p' "$conf")
    width=$(sed -n 's/^Width=\([0-9]*\)$/\1/p' "$conf")
    height=$(sed -n 's/^Height=\([0-9]*\)$/\1/p' "$conf")
    [ -n "$left" ] && [ -n "$top" ] && [ -n "$width" ] && [ -n "$height" ] || fail "$name: saved settings incomplete: $(cat -v "$conf")"
    [ "$left" -lt "$SCREEN_W" ] && [ "$top" -lt "$SCREEN_H" ] && [ $((left + width)) -gt 0 ] && [ $((top + height)) -gt 0 ] \
      && [ "$width" -ge 200 ] && [ "$height" -ge 150 ] || fail "$name: saved a window off the screen: $left $top $width $height"
  fi
  echo "ok: $name at $x,$y ${w}x${h}"
}

write_conf() {
  rm -rf "$conf"
  mkdir -p "$(dirname "$conf")"
  printf '%b' "$1" >"$conf"
}

write_conf '\x00\xff\xfe[General\x01\nLeft=\x80\x81\x00\n=\n[[[\n\xef\xbb\xbfTop==\n\x1b[2J'
check_start garbage
head -c 4096 /dev/urandom >"$conf"
check_start random-bytes

write_conf '[General]\nLeft=2147483647\nTop=2147483647\nWidth=2147483647\nHeight=2147483647\n'
check_start huge-numbers
write_conf '[General]\nLeft=-2147483648\nTop=-2147483648\nWidth=2147483647\nHeight=2147483647\n'
check_start lowest-position-largest-size
write_conf '[General]\nLeft=99999999999999999999\nTop=5\nWidth=800\nHeight=400\n'
check_start beyond-32-bits

write_conf '[General]\nLeft=100\nTop=100\nWidth=-800\nHeight=-439\n'
check_start negative-sizes
write_conf '[General]\nLeft=100\nTop=100\nWidth=0\nHeight=-2147483648\n'
check_start zero-and-lowest-size

write_conf '[General]\nLeft=abc\nTop=1e3\nWidth=0x100\nHeight=12.5\n'
check_start non-numbers
write_conf '[General]\nLeft=100\nTop=@Rect(0 0 10 10)\nWidth=@Variant(\\0\\0\\0\\x7f)\nHeight=@ByteArray(\\xff)\n'
check_start qt-value-syntax

rm -rf "$conf"
mkdir -p "$conf"
check_start folder-in-place-of-the-file
[ -d "$conf" ] || fail "the folder in place of the settings file was replaced"

echo "PASS"
