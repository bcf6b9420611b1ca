#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a minute of fuzzing of the data-file
# loading.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-build-deps.sh test
cmake --preset default
cmake --build --preset default
ctest --preset default
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
scripts/fuzz.sh
