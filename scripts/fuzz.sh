#!/usr/bin/env bash
# Builds the libFuzzer targets (the .gra, lineora3.Ini and language-file readers) with clang in
# build/fuzz and runs each for SECONDS (default 60), one after another on one core, on a copy
# of its seed corpus in fuzz/corpus/. Prints each run's executions, speed and coverage; exits 1
# when any target crashed, leaving the input that did it in build/fuzz/runs/<target>/.
set -euo pipefail

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

root=$(cd "$(dirname "$0")/.." && pwd)
# clang and its runtime libraries hold libFuzzer; the program itself does not need them.
"$root/scripts/install-deps.sh" clang libclang-rt-14-dev

build=$root/build/fuzz
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DLINEORA_FUZZ=ON \
    -DLINEORA_BUILD_TESTS=OFF -DLINEORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target lineora_fuzz

# The .gra and INI seeds are small; longer inputs reach more keys, curves and text damage.
declare -A max_len=([gra]=8192 [ini]=8192 [language]=32768)

failed=()
for target in gra ini language; do
    run=$build/runs/$target
    rm -rf "$run"
    mkdir -p "$run"
    cp -r "$root/fuzz/corpus/$target" "$run/corpus"
    log=$run/fuzz.log
    echo "== $target: ${seconds} s"
    status=0
    "$build/bin/lineora_fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -max_len="${max_len[$target]}" \
        -artifact_prefix="$run/" "$run/corpus" >"$log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    echo "corpus: $(find "$run/corpus" -type f | wc -l) files"
    if [ "$status" -ne 0 ]; then
        echo "CRASH in $target (exit $status); log: $log"
        grep -E -A 12 '^==[0-9]+==ERROR|deadly signal|runtime error' "$log" | head -n 30 || true
        ls "$run"/crash-* "$run"/oom-* "$run"/timeout-* "$run"/leak-* 2>/dev/null || true
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Crashed: ${failed[*]}"
    exit 1
fi
echo "No crash."
