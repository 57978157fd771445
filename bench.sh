#!/usr/bin/env bash
# Builds and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake --preset default >/dev/null
cmake --build --preset default --target quintora_bench
QT_QPA_PLATFORM=offscreen build/bench/quintora_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
