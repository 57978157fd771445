#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Figures of the real program, each under its own Xvfb with a throwaway HOME
# (tests/e2e/lib.sh): start-up time to the first painted window, resident
# memory, and the CPU time the program takes while the clock runs and while
# it is paused.
#
#   bench/program-figures.sh path/to/Quintora [start-ups] [seconds]
#
# Prints one "name value" line per figure (start-ups: 5, seconds per CPU
# measurement: 30 by default):
#   startup_ms            median over the start-ups, process creation to the
#                         first painted window (QUINTORA_STARTUP_PROBE)
#   startup_main_ms       the same from the first statement of main
#   rss_startup_kb        median VmRSS one second after the first paint
#   rss_after_game_kb     VmRSS after the running and the paused measurement
#   cpu_running_ms_per_min, cpu_paused_ms_per_min
#                         utime + stime of /proc/<pid>/stat, per minute
source "$(dirname "$0")/../tests/e2e/lib.sh"
STARTUPS=${2:-5}
SECONDS_EACH=${3:-30}
CLOCK_TICKS=$(getconf CLK_TCK)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# utime + stime of the whole process, in clock ticks; the fields are counted after the name's ')'.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

start_xvfb

# Start-ups: each a first run (no settings yet), timed to the first paint.
startup=() startup_main=() rss=()
for run in $(seq 1 "$STARTUPS"); do
  rm -rf "$XDG_CONFIG_HOME/Velmarin"
  probe="$E2E_HOME/startup-$run"
  QUINTORA_STARTUP_PROBE="$probe" start_app
  for _ in $(seq 1 200); do
    [ -s "$probe" ] && break
    sleep 0.05
  done
  [ -s "$probe" ] || fail "start-up $run: no first paint within 10 s"
  startup+=("$(awk '$1 == "process" { print $2 }' "$probe")")
  startup_main+=("$(awk '$1 == "main" { print $2 }' "$probe")")
  sleep 1
  rss+=("$(rss_kb "$APP_PID")")
  close_app
done

# A running clock, then a paused one, in one program.
rm -rf "$XDG_CONFIG_HOME/Velmarin"
start_app
win=$(wait_window "Quintora 0.9") || fail "no main window"
sleep 1
read -r x y _ _ < <(window_geometry "$win")
# START and PAUSE share the place (175, 27) of the window; away from it the buttons are not hot.
face_before=$(pixel_at $((x + 130)) $((y + 30)))
xdotool mousemove $((x + 175)) $((y + 27)) click 1
xdotool mousemove $((x + 400)) $((y + 380))
sleep 1
[ "$(pixel_at $((x + 130)) $((y + 30)))" != "$face_before" ] || fail "START did not start the clock"
t0=$(cpu_ticks "$APP_PID")
sleep "$SECONDS_EACH"
t1=$(cpu_ticks "$APP_PID")
xdotool mousemove $((x + 175)) $((y + 27)) click 1
xdotool mousemove $((x + 400)) $((y + 380))
sleep 1
[ "$(pixel_at $((x + 130)) $((y + 30)))" = "$face_before" ] || fail "PAUSE did not stop the clock"
t2=$(cpu_ticks "$APP_PID")
sleep "$SECONDS_EACH"
t3=$(cpu_ticks "$APP_PID")
rss_after=$(rss_kb "$APP_PID")
close_app

per_minute() { awk -v d="$1" -v hz="$CLOCK_TICKS" -v s="$SECONDS_EACH" 'BEGIN { printf "%.0f\n", d * 1000 / hz * 60 / s }'; }
echo "startup_ms $(printf '%s\n' "${startup[@]}" | median)"
echo "startup_main_ms $(printf '%s\n' "${startup_main[@]}" | median)"
echo "rss_startup_kb $(printf '%s\n' "${rss[@]}" | median)"
echo "rss_after_game_kb $rss_after"
echo "cpu_running_ms_per_min $(per_minute $((t1 - t0)))"
echo "cpu_paused_ms_per_min $(per_minute $((t3 - t2)))"
echo "startup_runs_ms ${startup[*]}"
