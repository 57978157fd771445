#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Figures of the real program, each under its own Xvfb with a throwaway HOME
# (tests/e2e/lib.sh): start-up time to the first painted window with an
# empty, a 1000-game and a 10 000-game history, resident memory, and the CPU time the
# program takes while the clock runs (every second's checkpoint stored), while
# it is paused, and while it runs with playing-time rules in force.
#
#   bench/program-figures.sh path/to/Quintora [start-ups] [seconds]
#
# Prints one "name value" line per figure (start-ups: 5, seconds per CPU
# measurement: 30 by default):
#   startup_ms            median over the start-ups, process creation to the
#                         first painted window (QUINTORA_STARTUP_PROBE), with
#                         an empty history
#   startup_main_ms       the same from the first statement of main
#   startup_1000_games_ms the same with 1000 stored games, all ended
#                         (bench/quintora_make_history beside the program)
#   startup_10000_games_ms  the same with 10 000 stored games
#   rss_startup_kb        median VmRSS one second after the first paint
#   rss_after_game_kb     VmRSS after the running and the paused measurement
#   cpu_running_ms_per_min, cpu_paused_ms_per_min
#                         the scheduler's run time of all threads
#                         (/proc/<pid>/task/*/schedstat), per minute; the
#                         running clock stores a checkpoint every second
#   history_checkpoint_s  game time of the last stored checkpoint of that run
#   cpu_running_rules_ms_per_min
#                         the running clock again, in a program started with
#                         the eighths rules (Mini 8 x 4, 2 to 6 eighths) in its
#                         settings: the rules line and the marks beside the
#                         times refreshed with the playing times
#   cpu_running_hall_ms_per_min, cpu_running_hall_closed_ms_per_min
#                         the running clock again, in turns with the hall
#                         display open (full screen on a second screen of
#                         1920 x 1080, the players on court shown) and closed
source "$(dirname "$0")/../tests/e2e/lib.sh"
STARTUPS=${2:-5}
SECONDS_EACH=${3:-30}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The time every thread of the process has run, in microseconds, as the
# scheduler counts it (the first field of schedstat, in nanoseconds).  The
# utime and stime of /proc/<pid>/stat are sampled at the timer tick: a
# program that wakes five times a second for a fraction of a millisecond is
# charged whole ticks at random, several times what it runs, and differently
# from one run to the next.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s / 1000 }'; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Starts the program with the start-up probe writing to $1 and waits for its
# first paint; fails with $2 when none comes within 10 s.
start_probed() {
  QUINTORA_STARTUP_PROBE="$1" start_app
  for _ in $(seq 1 200); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  fail "$2: no first paint within 10 s"
}

# Starts the program with the settings it finds, waits for its window, sets
# x and y to it and clicks START (START and PAUSE share the place (175, 27);
# away from it the buttons are not hot); fails naming $1 when the clock
# does not run.  face_before is the face of the START button before it.
start_running() {
  start_app
  win=$(wait_window "Quintora 0.9") || fail "no main window ($1)"
  sleep 1
  read -r x y _ _ < <(window_geometry "$win")
  face_before=$(pixel_at $((x + 130)) $((y + 30)))
  xdotool mousemove $((x + 175)) $((y + 27)) click 1
  xdotool mousemove $((x + 400)) $((y + 380))
  sleep 1
  [ "$(message_count)" = 0 ] || fail "a question at START ($1)"
  [ "$(pixel_at $((x + 130)) $((y + 30)))" != "$face_before" ] || fail "START did not start the clock ($1)"
}

# A second screen for the hall display; the bench's screen stays as in every test.
XVFB_SCREENS="-screen 0 1280x800x24 -screen 1 1920x1080x24"
start_xvfb

# Histories of none, 1000 and 10 000 full games, all ended, made on a memory
# file system (a commit there costs nothing) and copied before each start.
MAKE_HISTORY="$BUILD_DIR/bench/quintora_make_history"
[ -x "$MAKE_HISTORY" ] || fail "$MAKE_HISTORY is missing"
scratch=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo /tmp )/quintora-history.XXXXXX")
for games in 0 1000 10000; do
  "$MAKE_HISTORY" "$scratch/games-$games.db" "$games" || fail "the $games-game history could not be made"
done

# Start-ups: each a first run (no settings yet), timed to the first paint;
# with the empty history and the long ones in turn, so that a load on the
# machine falls on all of them alike.  Opening and deciding must not take
# longer with more games.
startup=() startup_main=() rss=() startup_1000=() startup_10000=()
for run in $(seq 1 "$STARTUPS"); do
  for games in 0 1000 10000; do
    rm -rf "$XDG_CONFIG_HOME/Velmarin" "$XDG_DATA_HOME/Velmarin"
    mkdir -p "$XDG_DATA_HOME/Velmarin/Quintora"
    cp "$scratch/games-$games.db" "$XDG_DATA_HOME/Velmarin/Quintora/games.db"
    # The copy on the disk before the clock starts: its write-back must not
    # fall into this start-up or the next one.
    sync
    probe="$E2E_HOME/startup-$games-$run"
    start_probed "$probe" "start-up $run with $games games"
    [ "$(message_count)" = 0 ] || fail "start-up with $games games shows a message"
    time=$(awk '$1 == "process" { print $2 }' "$probe")
    case $games in
      0)
        startup+=("$time")
        startup_main+=("$(awk '$1 == "main" { print $2 }' "$probe")")
        sleep 1
        rss+=("$(rss_kb "$APP_PID")")
        ;;
      1000) startup_1000+=("$time") ;;
      10000) startup_10000+=("$time") ;;
    esac
    close_app
  done
done
rm -rf "$scratch" "$XDG_DATA_HOME/Velmarin"

# A running clock, then a paused one, in one program.
rm -rf "$XDG_CONFIG_HOME/Velmarin"
start_running "the plain clock"
t0=$(cpu_us "$APP_PID")
sleep "$SECONDS_EACH"
t1=$(cpu_us "$APP_PID")
checkpoint_s=$(stored_game checkpoint | awk '{ printf "%d", $2 / 1000 }')
[ "${checkpoint_s:-0}" -ge $((SECONDS_EACH - 2)) ] || fail "the running clock stored no recent checkpoint (at ${checkpoint_s:-none} s)"
xdotool mousemove $((x + 175)) $((y + 27)) click 1
xdotool mousemove $((x + 400)) $((y + 380))
sleep 1
[ "$(pixel_at $((x + 130)) $((y + 30)))" = "$face_before" ] || fail "PAUSE did not stop the clock"
t2=$(cpu_us "$APP_PID")
sleep "$SECONDS_EACH"
t3=$(cpu_us "$APP_PID")
rss_after=$(rss_kb "$APP_PID")
close_app

# The running clock once more, with the eighths rules kept in the settings
# before the start; five players of each team on court by default, so
# START asks nothing.  The stored game must begin with the rules.
rm -rf "$XDG_CONFIG_HOME/Velmarin" "$XDG_DATA_HOME/Velmarin"
mkdir -p "$(dirname "$(settings_file)")"
printf '[General]\nRules=Mini 8 \xc3\x97 4 (2\xe2\x80\x936 Achtel)\nPeriods=8\nPeriodMinutes=4\nOvertimeMinutes=4\n' >"$(settings_file)"
start_running "under the rules"
r0=$(cpu_us "$APP_PID")
sleep "$SECONDS_EACH"
r1=$(cpu_us "$APP_PID")
rules_checkpoint_s=$(stored_game checkpoint | awk '{ printf "%d", $2 / 1000 }')
[ "${rules_checkpoint_s:-0}" -ge $((SECONDS_EACH - 2)) ] || fail "the running clock under the rules stored no recent checkpoint (at ${rules_checkpoint_s:-none} s)"
[ "$(stored_game events | sed -n 1p | cut -d' ' -f2)" = rules ] || fail "the stored game does not begin with its rules"
close_app

# The running clock once more, in six turns of SECONDS_EACH / 3 with the hall
# display closed and open (from the clock's menu, full screen on the second
# screen of 1920 x 1080, the players on court shown): both in one program,
# side by side in time, so that what the display adds is not lost in what
# one run of the program costs more than another.
rm -rf "$XDG_CONFIG_HOME/Velmarin" "$XDG_DATA_HOME/Velmarin"
mkdir -p "$(dirname "$(settings_file)")"
printf '[HallDisplay]\nPlayers=true\n' >"$(settings_file)"
start_running "for the hall display"
# The clock menu's last item opens and closes the display.
toggle_hall() { clock_menu; xdotool key Up Return; xdotool mousemove $((x + 400)) $((y + 380)); sleep 1; }
# Six turns: what one program costs drifts by half and more within a minute.
HALL_TURNS=6
hall_open=0 hall_closed=0
for _ in $(seq 1 "$HALL_TURNS"); do
  c0=$(cpu_us "$APP_PID"); sleep $((SECONDS_EACH / 3)); c1=$(cpu_us "$APP_PID")
  hall_closed=$((hall_closed + c1 - c0))
  toggle_hall
  DISPLAY="$DISPLAY.1" xdotool search --onlyvisible --name '^Hallenanzeige$' >/dev/null 2>&1 \
    || fail "the hall display did not open on the second screen"
  o0=$(cpu_us "$APP_PID"); sleep $((SECONDS_EACH / 3)); o1=$(cpu_us "$APP_PID")
  hall_open=$((hall_open + o1 - o0))
  toggle_hall
  [ -z "$(DISPLAY="$DISPLAY.1" xdotool search --onlyvisible --name '^Hallenanzeige$' 2>/dev/null)" ] \
    || fail "the hall display did not close"
done
close_app

per_minute() { awk -v d="$1" -v s="$SECONDS_EACH" 'BEGIN { printf "%.0f\n", d / 1000 * 60 / s }'; }
echo "startup_ms $(printf '%s\n' "${startup[@]}" | median)"
echo "startup_main_ms $(printf '%s\n' "${startup_main[@]}" | median)"
echo "startup_1000_games_ms $(printf '%s\n' "${startup_1000[@]}" | median)"
echo "startup_10000_games_ms $(printf '%s\n' "${startup_10000[@]}" | median)"
echo "rss_startup_kb $(printf '%s\n' "${rss[@]}" | median)"
echo "rss_after_game_kb $rss_after"
echo "cpu_running_ms_per_min $(per_minute $((t1 - t0)))"
echo "cpu_paused_ms_per_min $(per_minute $((t3 - t2)))"
echo "history_checkpoint_s $checkpoint_s"
echo "cpu_running_rules_ms_per_min $(per_minute $((r1 - r0)))"
hall_per_minute() { awk -v d="$1" -v s="$((HALL_TURNS * (SECONDS_EACH / 3)))" 'BEGIN { printf "%.0f\n", d / 1000 * 60 / s }'; }
echo "cpu_running_hall_closed_ms_per_min $(hall_per_minute "$hall_closed")"
echo "cpu_running_hall_ms_per_min $(hall_per_minute "$hall_open")"
echo "startup_runs_ms ${startup[*]}"
echo "startup_10000_games_runs_ms ${startup_10000[*]}"
