#!/usr/bin/env bash
# Builds an optimised Corvane with the benchmarks and runs them. CORVANE_PEERS=1 also compares the
# Trash listing with trash-cli and gio (bench/peers.sh, which installs them for that run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target trash_bench cookie_bench desktop_bench
build-bench/bin/trash_bench "$@"
build-bench/bin/cookie_bench
build-bench/bin/desktop_bench
if [ "${CORVANE_PEERS:-0}" = 1 ]; then bench/peers.sh; fi
