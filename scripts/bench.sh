#!/usr/bin/env bash
# Builds the three programs, the bare window and the benchmarks, times the history check of 「照合」,
# then measures the programs against the bare text window, each figure with its target: on Qt's
# offscreen platform, and again on a virtual X screen when Xvfb is there.
# Options go to the benchmark: --runs N (start-ups per program), --windows N (fresh windows per
# game and kind of first click), --clicks N (predictions, saves and loads in each).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target kelvane_bench backtest_bench
echo
build/bin/backtest_bench
echo
QT_QPA_PLATFORM=offscreen build/bin/kelvane_bench "$@"
if command -v xvfb-run >/dev/null; then
    echo
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" build/bin/kelvane_bench "$@"
fi
