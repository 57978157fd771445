#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs the whole suite
# headless: the normal build with the real-window tests (each starts its own
# Xvfb), then the unit suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps ${QUINTORA_EXTRA_PACKAGES:-}
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
echo "== Tests"
ctest --preset default -j "$jobs"

if [ "${QUINTORA_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== Sanitizer build"
  cmake --preset asan >/dev/null
  cmake --build --preset asan -j "$jobs"
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
