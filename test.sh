#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; exits non-zero on any failure.
#   ./test.sh          the Release build, then the same tests under ASan and UBSan
#   ./test.sh --quick  the Release build only
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

quick=0
[ "${1:-}" = "--quick" ] && quick=1

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j2
    # Window tests run offscreen; the smoke test starts a display of its own.
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j2
}

echo "== Release build and tests"
run_suite build/release -DCMAKE_BUILD_TYPE=Release -DLINEORA_BUILD_BENCH=ON

if [ "$quick" -eq 0 ]; then
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer build and tests"
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
        UBSAN_OPTIONS=print_stacktrace=1 \
        run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DLINEORA_SANITIZE=ON \
        -DLINEORA_BUILD_BENCH=OFF
fi
