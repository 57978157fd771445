#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Builds the benchmarks and the program and prints one table of the figures
# that matter: the medians of five repetitions of the in-process benchmarks
# (bench/, offscreen) and the real program's start-up time, memory and CPU
# use under its own Xvfb (bench/program-figures.sh).
#
#   ./bench.sh [quintora_bench options]     e.g. --benchmark_filter=Game
#
# QUINTORA_BENCH_PROGRAM=0 leaves the real program out (it takes about six minutes).
# QUINTORA_BENCH_BUILD_DIR=dir builds there instead of in build/ (same
# optimised build type).  The full output stays in <build>/bench/results/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=${QUINTORA_BENCH_BUILD_DIR:-build}
results=$build/bench/results
mkdir -p "$results"
if [ -z "${QUINTORA_BENCH_BUILD_DIR:-}" ]; then
  configure=(cmake --preset default)
else
  configure=(cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
"${configure[@]}" >"$results/build.log" 2>&1 \
  && cmake --build "$build" -j "$(nproc)" --target quintora_bench quintora_make_history Quintora >>"$results/build.log" 2>&1 \
  || { cat "$results/build.log"; exit 1; }

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
QT_QPA_PLATFORM=offscreen "$build/bench/quintora_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$results/benchmarks.json" --benchmark_out_format=json "$@" >"$results/benchmarks.txt" 2>&1 \
  || { cat "$results/benchmarks.txt"; exit 1; }

: >"$results/program.txt"
if [ "${QUINTORA_BENCH_PROGRAM:-1}" != 0 ]; then
  bench/program-figures.sh "$build/Quintora" >"$results/program.txt" 2>&1 \
    || { echo "The real-program figures failed:"; cat "$results/program.txt"; }
fi

# One row per figure: label, source (benchmark name or program figure), target.
# The JSON output has one "key": value per line; a record's name comes first.
awk -v program="$results/program.txt" '
  function shown_time(ns) {
    if (ns < 1000) return sprintf("%.0f ns", ns)
    if (ns < 1000000) return sprintf("%.1f us", ns / 1000)
    return sprintf("%.2f ms", ns / 1000000)
  }
  function value_of(line) {
    sub(/^[^:]*: */, "", line); sub(/,$/, "", line); gsub(/"/, "", line)
    return line
  }
  BEGIN {
    scale["ns"] = 1; scale["us"] = 1000; scale["ms"] = 1000000; scale["s"] = 1000000000
    while ((getline line < program) > 0) {
      split(line, f, " ")
      figure[f[1]] = f[2]
    }
  }
  /^ *"run_name":/ { name = value_of($0) }
  /^ *"aggregate_name":/ { aggregate = value_of($0) }
  /^ *"cpu_time":/ { cpu = value_of($0) }
  /^ *"time_unit":/ {
    if (aggregate == "median") { median_ns[name] = cpu * scale[value_of($0)]; median[name] = shown_time(median_ns[name]) }
  }
  /^ *"error_message":/ { median[name] = "error: " value_of($0) }
  /^ *"(median_ms|worst_ms|size_MB)":/ {
    if (aggregate == "median") { key = $0; sub(/^ *"/, "", key); sub(/".*$/, "", key); counter[name "/" key] = value_of($0) }
  }
  /^ *}/ { aggregate = "" }
  function bench(label, name) {
    if (name in median) row(label, median[name], "", "")
  }
  # The median CPU time of a benchmark, checked against `max_ns`.
  function timed(label, name, max_ns, target) {
    if (name in median) row(label, median[name], target, (name in median_ns) && median_ns[name] < max_ns ? "yes" : "NO")
  }
  # A counter of a benchmark (median over the runs), checked against `max` when one is given.
  function counted(label, name, key, unit, max, target) {
    if (!((name "/" key) in counter)) return
    value = counter[name "/" key]
    row(label, sprintf("%.2f %s", value, unit), target, max == "" ? "" : (value < max ? "yes" : "NO"))
  }
  function row(label, value, target, met) {
    printf "| %-58s | %12s | %-14s | %-4s |\n", label, value, target, met
  }
  function limit(label, key, unit, factor, max, target) {
    if (!(key in figure)) return
    value = figure[key] * factor
    row(label, sprintf(unit == "MB" ? "%.1f %s" : "%.0f %s", value, unit), target, value < max ? "yes" : "NO")
  }
  END {
    printf "| %-58s | %12s | %-14s | %-4s |\n", "Figure (in-process: CPU time per call, median of 5 runs)", "Median", "Target", "Met"
    printf "|%s|%s|%s|%s|\n", "------------------------------------------------------------", "--------------", "----------------", "------"
    bench("Ledger refresh, 2 x 50 on court", "BM_LedgerRefresh2x50OnCourt")
    bench("TDigit paint, 60 x 85", "BM_DigitPaint60x85")
    bench("Button paint, 114 x 45 bsModern with caption", "BM_StartButtonPaint")
    bench("TimerListTimer, 2 x 50 on court, real window (average)", "BM_GameTimerListTimer2x50")
    bench("TimerListTimer, 2 x 50 on court, every line a new second", "BM_GameTimerListTimer2x50EverySecond")
    bench("TimerListTimer, 2 x 50 on court, no new second", "BM_GameTimerListTimer2x50Unchanged")
    bench("Clock update (Timer1Timer, average)", "BM_ClockTimerUpdate")
    bench("Team file load, 10 000 lines into a roster", "BM_LoadTeam10000LinesIntoRoster")
    bench("Export 2 x 50 to a file", "BM_Export2x50ToFile")
    timed("Rules judgement, 2 x 25 lines, break after 4 of 8 eighths", "BM_RulesJudge50PlayersAtBreak", 1000000, "< 1 ms")
    timed("Rules judgement, 2 x 25 lines, after 8 of 8 eighths", "BM_RulesJudge50PlayersAtEnd", 1000000, "< 1 ms")
    timed("START check (StartProblems), 2 x 25 lines, 2 x 5 on court", "BM_RulesStartProblems50Players", 1000000, "< 1 ms")
    timed("Hall display, one second at 1920 x 1080 with 2 x 5 players", "BM_HallDisplaySecond1920x1080", 5000000, "< 5 ms")
    commit = "BM_HistoryActionCommit/iterations:200/manual_time"
    checkpoint = "BM_HistoryCheckpoint2x50/iterations:200/manual_time"
    counted("History: commit of one action (wall, median)", commit, "median_ms", "ms", "", "")
    counted("History: commit of one action (wall, worst of 200)", commit, "worst_ms", "ms", "", "")
    counted("History: checkpoint, 2 x 50 on court (wall, median)", checkpoint, "median_ms", "ms", "", "")
    counted("History: checkpoint, 2 x 50 on court (wall, worst of 200)", checkpoint, "worst_ms", "ms", "", "")
    counted("History: open + latest game, empty history (wall, median)", "BM_HistoryStartupEmpty/iterations:50/manual_time", "median_ms", "ms", "", "")
    counted("History: open + latest game, 1000 games (wall, median)", "BM_HistoryStartup1000Games/iterations:20/manual_time", "median_ms", "ms", "", "")
    counted("History: open + latest game, 10 000 games (wall, median)", "BM_HistoryStartup10000Games/iterations:20/manual_time", "median_ms", "ms", "", "")
    counted("History: 1000 games on disk", "BM_HistoryStartup1000Games/iterations:20/manual_time", "size_MB", "MB", 50, "< 50 MB")
    limit("Start-up to the first painted window (5 runs)", "startup_ms", "ms", 1, 300, "< 300 ms")
    limit("Start-up to the first painted window, 1000 stored games", "startup_1000_games_ms", "ms", 1, 300, "< 300 ms")
    limit("Start-up to the first painted window, 10 000 stored games", "startup_10000_games_ms", "ms", 1, 300, "< 300 ms")
    if (("startup_ms" in figure) && ("startup_10000_games_ms" in figure)) {
      figure["startup_10000_more_ms"] = figure["startup_10000_games_ms"] - figure["startup_ms"]
      limit("Start-up, 10 000 stored games against an empty history", "startup_10000_more_ms", "ms", 1, 10, "< 10 ms more")
    }
    limit("Resident memory (VmRSS) after start-up", "rss_startup_kb", "MB", 1 / 1024, 60, "< 60 MB")
    limit("Resident memory (VmRSS) after a minute of play and pause", "rss_after_game_kb", "MB", 1 / 1024, 60, "< 60 MB")
    limit("CPU time per minute, clock running, history stored", "cpu_running_ms_per_min", "ms", 1, 300, "< 300 ms")
    limit("CPU time per minute, clock running, playing-time rules on", "cpu_running_rules_ms_per_min", "ms", 1, 300, "< 300 ms")
    if (("cpu_running_hall_closed_ms_per_min" in figure) && ("cpu_running_hall_ms_per_min" in figure)) {
      figure["hall_display_added_ms_per_min"] = figure["cpu_running_hall_ms_per_min"] - figure["cpu_running_hall_closed_ms_per_min"]
      row("CPU time per minute, running, hall display at 1920 x 1080", sprintf("%.0f ms", figure["cpu_running_hall_ms_per_min"]), "", "")
      row("CPU time per minute, the same program, hall display closed", sprintf("%.0f ms", figure["cpu_running_hall_closed_ms_per_min"]), "", "")
      limit("CPU time per minute added by the hall display", "hall_display_added_ms_per_min", "ms", 1, 300, "< 300 ms")
    }
    limit("CPU time per minute, clock paused", "cpu_paused_ms_per_min", "ms", 1, 1, "0 ms")
  }
' "$results/benchmarks.json"
