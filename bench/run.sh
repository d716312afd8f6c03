#!/usr/bin/env bash
# Builds the benchmarks in a Release tree of their own and runs them; extra arguments go to
# Google Benchmark (for example --benchmark_filter=Refresh).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLINEORA_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j2 --target lineora_bench lineora_ui_bench
exec build/bench/bin/lineora_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
