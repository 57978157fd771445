# Helpers for tests that drive the real program under its own Xvfb.
# Source this file; it sets up a throwaway HOME and a display, and cleans up on exit.

set -euo pipefail

QUINTORA=${1:?usage: $0 path/to/Quintora}
# The captions of the main window and of the open dialog.
MAIN_CAPTION="Quintora 0.9"
OPEN_CAPTION="Open"
QUINTORA=$(readlink -f "$QUINTORA")
BUILD_DIR=$(dirname "$QUINTORA")
TEST_NAME=$(basename "$0" .sh)
ARTIFACTS="$BUILD_DIR/e2e-artifacts/$TEST_NAME"
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"

for tool in Xvfb xdotool xwd xdpyinfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

E2E_HOME=$(mktemp -d /tmp/quintora-e2e.XXXXXX)
export HOME="$E2E_HOME/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$E2E_HOME/runtime"
export XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export QT_ENABLE_HIGHDPI_SCALING=0

XVFB_PID=""
APP_PID=""
FAILED_STEP=""

cleanup() {
  local rc=$?
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill -9 "$APP_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$E2E_HOME"
  if [ $rc -eq 0 ] && [ -z "${KEEP_ARTIFACTS:-}" ]; then rm -rf "$ARTIFACTS"; else echo "Screenshots and logs kept in $ARTIFACTS"; fi
}
trap cleanup EXIT

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
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$ARTIFACTS/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for i in $(seq 1 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      # Our own server: it writes its process id into the display's lock file.
      if [ "$(tr -dc 0-9 <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ] && xdpyinfo >/dev/null 2>&1; then
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

# Starts the program, waits for its main window and lets it settle; sets
# `win` to the window's id and `x y w h` to its frame.  $1 is the failure
# message when no window shows.
open_main_window() {
  start_app
  win=$(wait_window "$MAIN_CAPTION") || fail "${1:-no main window}"
  sleep 0.5
  read -r x y w h < <(window_geometry "$win")
}

# Prints "X Y W H" of a window.
window_geometry() {
  local out x y w h
  out=$(xdotool getwindowgeometry "$1")
  x=$(echo "$out" | sed -n 's/.*Position: \([-0-9]*\),\([-0-9]*\).*/\1/p')
  y=$(echo "$out" | sed -n 's/.*Position: \([-0-9]*\),\([-0-9]*\).*/\2/p')
  w=$(echo "$out" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1/p')
  h=$(echo "$out" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\2/p')
  echo "$x $y $w $h"
}

# Asks the program to close as a logout would, and waits for it to end.
close_app() {
  kill -TERM "$APP_PID"
  local i
  for i in $(seq 1 200); do
    kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" 2>/dev/null || true; APP_PID=""; return 0; }
    sleep 0.05
  done
  fail "the program did not end after SIGTERM"
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
  for _ in $(seq 1 60); do
    xdotool search --onlyvisible --name "^${OPEN_CAPTION}\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "the open dialog did not close"
}
