#!/usr/bin/env bash
# Builds the three programs and starts one of them (RK7KLVN unless another is named). Installs and
# builds only what the programs need; ./test.sh adds the tests.
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-RK7KLVN}
scripts/install-build-deps.sh run
cmake --preset default
# The programs bring their data folders and the user guide beside them.
cmake --build --preset default --target RK7KLVN RK6KLVN MiniKLVN
exec "build/bin/$program"
