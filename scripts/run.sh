#!/usr/bin/env bash
# Installs what is needed, builds Bextor and starts it (arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/bin/bextor "$@"
