#!/usr/bin/env bash
# Builds an optimised Corvane with the benchmarks and runs them, then times its launch
# (bench/launch.sh, on the package's build). CORVANE_PEERS=1 also compares the Trash listing with
# trash-cli and gio (bench/peers.sh, which installs them for that run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target trash_bench cookie_bench desktop_bench
build-bench/bin/trash_bench "$@"
build-bench/bin/cookie_bench
build-bench/bin/desktop_bench
# The launch, on the optimised program as scripts/package-check.sh builds it.
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-pkg --target Corvane
bench/launch.sh build-pkg/bin/Corvane
if [ "${CORVANE_PEERS:-0}" = 1 ]; then bench/peers.sh; fi
