#!/usr/bin/env bash
# Builds Tessella (installing missing build dependencies where it can) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLA_TESTS=OFF >/dev/null
cmake --build build --target tessella
exec build/tessella "$@"
