#!/usr/bin/env bash
# Installs what is missing, builds a Release build and opens Lineora on a sample chart.
# Extra arguments replace the sample: ./run.sh my-chart.png
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target lineora
if [ $# -gt 0 ]; then
    exec build/release/bin/lineora "$@"
fi
exec build/release/bin/lineora build/release/bin/examples/sample-chart.bmp
