#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs the whole suite
# headless: the normal build with the real-window tests (each starts its own
# Xvfb), then the unit suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzzing run.  The sanitizer and
# fuzzer builds are made while the first tests run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps ${QUINTORA_EXTRA_PACKAGES:-}
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"

# The sanitizer build and the fuzzers need only the processor time that the
# tests leave (the real-window tests mostly wait for the program): they are
# built meanwhile, at the lowest priority, so that the tests keep their
# timing.  In a process group of its own, so that a failing run stops it.
low=(nice -n 19)
if ionice -c 3 true 2>/dev/null; then low+=(ionice -c 3); fi
side_log=$(mktemp)
export QUINTORA_SKIP_SANITIZERS=${QUINTORA_SKIP_SANITIZERS:-0} QUINTORA_SKIP_FUZZ=${QUINTORA_SKIP_FUZZ:-0}
setsid "${low[@]}" bash -c '
  set -euo pipefail
  if [ "$QUINTORA_SKIP_SANITIZERS" != 1 ]; then
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j "$1"
  fi
  if [ "$QUINTORA_SKIP_FUZZ" != 1 ]; then
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz --target team_file_fuzzer delimited_text_fuzzer game_history_fuzzer
  fi' side-builds "$jobs" >"$side_log" 2>&1 &
side_builds=$!
trap 'kill -- -"$side_builds" 2>/dev/null || true; rm -f "$side_log"' EXIT

echo "== Tests"
ctest --preset default -j "$jobs"

echo "== Sanitizer and fuzzer builds (made during the tests)"
if ! wait "$side_builds"; then
  cat "$side_log"
  exit 1
fi
tail -n 1 "$side_log"

if [ "$QUINTORA_SKIP_SANITIZERS" != 1 ]; then
  echo "== Tests under the sanitizers"
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset asan -j "$jobs"
fi

if [ "${QUINTORA_SKIP_FUZZ:-0}" != 1 ]; then
  echo "== Fuzzing the team-file reader, the delimited-text splitter and the game history (20 s each; scripts/fuzz runs longer)"
  fuzz_log=$(mktemp)
  if ! scripts/fuzz 20 all >"$fuzz_log" 2>&1; then
    cat "$fuzz_log"
    rm -f "$fuzz_log"
    exit 1
  fi
  grep -E '^== |^Done |^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$fuzz_log" || true
  rm -f "$fuzz_log"
fi
