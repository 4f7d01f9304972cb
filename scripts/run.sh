#!/usr/bin/env bash
# Builds TarnDock.exe and starts it: on $DISPLAY when set (in the user's own Wine prefix), otherwise on
# a virtual display with a fresh prefix and a demo button folder. Saves a screenshot of the bar and
# keeps it running until Ctrl+C; with --shot-only it stops after the screenshot.
# TARN_WIN_BUILD chooses another build folder (default build/win).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARN_ROOT"
shot_only=0
for arg in "$@"; do
    case $arg in
        --shot-only) shot_only=1 ;;
        *) echo "usage: bash scripts/run.sh [--shot-only]" >&2; exit 2 ;;
    esac
done
win=${TARN_WIN_BUILD:-build/win}

tarn_install_packages
tarn_build_win "$win" --target TarnDock
exe="$TARN_ROOT/$win/src/TarnDock.exe"
artifacts="$TARN_ROOT/$win/e2e-artifacts/run"

if [ -z "${DISPLAY:-}" ]; then
    extra=()
    [ "$shot_only" -eq 1 ] && extra+=(--shot-only)
    exec python3 "$TARN_ROOT/scripts/demo.py" --exe "$exe" --artifacts "$artifacts" "${extra[@]}"
fi

export WINEDEBUG=-all
mkdir -p "$artifacts"
# A session of its own, so that Ctrl+C reaches this script, which then closes the bar properly.
setsid "$TARN_WINE" "$exe" </dev/null &
pid=$!
close_bar() {
    "$TARN_WINE" taskkill /im TarnDock.exe >/dev/null 2>&1 || true
    wait "$pid" 2>/dev/null || true
}
trap 'echo; close_bar; exit 0' INT TERM

found=
for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --classname '^TarnDock\.exe$' 2>/dev/null | head -n 1) && [ -n "$found" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$found" ]; then
    echo "The bar did not appear on $DISPLAY (another instance may be running)." >&2
    close_bar
    exit 1
fi
sleep 1
shot="$artifacts/bar.png"
import -window root "png24:$shot"
eval "$(xdotool getwindowgeometry --shell "$found")"
echo "The bar is at ($X, $Y) $WIDTH x $HEIGHT on display $DISPLAY."
echo "Screenshot: $shot"
if [ "$shot_only" -eq 1 ]; then
    close_bar
    exit 0
fi
echo "The bar is running; press Ctrl+C to stop it."
wait "$pid" || true
