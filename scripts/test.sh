#!/usr/bin/env bash
# Builds both trees and runs every test: unit tests natively (sanitizers on), adapter tests and the
# end-to-end journeys under Wine. Ends with one line "TOTAL: N passed, M failed".
# TARN_NATIVE_BUILD and TARN_WIN_BUILD choose other build folders (defaults build/native, build/win).
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARN_ROOT"
native=${TARN_NATIVE_BUILD:-build/native}
win=${TARN_WIN_BUILD:-build/win}
passed=0
failed=0
started=$SECONDS

# Adds the counts of a ctest log to the totals; a run that reports nothing counts as one failure.
count_ctest() {
    local log=$1 rc=$2 summary total bad
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$summary" ]; then
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
        bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    elif [ "$rc" -ne 0 ]; then
        failed=$((failed + 1))
    fi
}

run_ctest() {
    local dir=$1 log rc
    shift
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
    count_ctest "$log" "$rc"
    rm -f "$log"
}

tarn_install_packages || { echo "TOTAL: 0 passed, 1 failed"; exit 1; }

echo "== native build ($native)"
if cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Debug && cmake --build "$native" -j2; then
    echo "== native tests"
    run_ctest "$native" -j2
else
    echo "native build failed"
    failed=$((failed + 1))
fi
echo "native done after $((SECONDS - started)) s"

fuzz=${TARN_FUZZ_BUILD:-build/fuzz}
if command -v clang++ >/dev/null; then
    echo "== fuzz targets ($fuzz), a few seconds each"
    if CC=clang CXX=clang++ cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_FUZZ=ON &&
        cmake --build "$fuzz" -j2; then
        run_ctest "$fuzz" -j2
    else
        echo "fuzz build failed"
        failed=$((failed + 1))
    fi
fi

echo "== Windows build ($win)"
if tarn_build_win "$win"; then
    echo "== Windows tests (Wine)"
    # Wine's user interface parts want a display even where a test shows nothing; the journeys
    # start displays of their own.
    if tarn_start_xvfb; then
        trap tarn_stop_xvfb EXIT
        # A prefix created during the run must not wait for the Mono or Gecko installers.
        DISPLAY=$TARN_XVFB_DISPLAY WINEDLLOVERRIDES="mscoree,mshtml=" run_ctest "$win"
        tarn_stop_xvfb
    else
        failed=$((failed + 1))
    fi
else
    echo "Windows build failed"
    failed=$((failed + 1))
fi
echo "all done after $((SECONDS - started)) s"

echo "TOTAL: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
