#!/usr/bin/env bash
# Builds the three programs and starts one of them (RK7KLVN unless another is named).
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-RK7KLVN}
scripts/install-build-deps.sh
cmake --preset default
cmake --build --preset default
exec "build/bin/$program"
