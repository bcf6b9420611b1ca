#!/usr/bin/env bash
# Builds the fuzz target of the data-file loading with clang and runs it: every seed file once,
# then a minute of coverage-guided fuzzing. A crash, hang, leak or sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-build-deps.sh test
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
