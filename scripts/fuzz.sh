#!/usr/bin/env bash
# Long fuzz runs of every target (or of those named), in parallel on all cores, over the build's corpus and
# the starting inputs. Each run stops after SECONDS (default 600) and prints its executions.
#   bash scripts/fuzz.sh [SECONDS] [ini|order|text|settings ...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARN_ROOT"
seconds=${1:-600}
shift || true
targets=("${@:-ini order text settings}")
dir=${TARN_FUZZ_BUILD:-build/fuzz}
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_FUZZ=ON >/dev/null
cmake --build "$dir" -j2
for target in ${targets[@]}; do
    mkdir -p "$dir/fuzz-corpus/$target" "$dir/fuzz-artifacts"
    "$dir/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/fuzz-artifacts/$target-" \
        "$dir/fuzz-corpus/$target" "fuzz/corpus/$target" 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|Assertion' |
        sed "s/^/$target: /" &
done
wait
