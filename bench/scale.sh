#!/usr/bin/env bash
# The Trash at scale (bench/scale.py): builds an optimised corvane-cli and times its listing, tree
# and emptying on a Trash of ITEMS items against the floor loop and rm -rf. Not part of CI.
# usage: bench/scale.sh [ITEMS [RUNS]]   (20,000 items by default, 200000 for the full case;
#        CORVANE_BENCH_BUILD picks the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${CORVANE_BENCH_BUILD:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BENCH=ON -DCORVANE_GUI=OFF >/dev/null
cmake --build "$build" --target corvane-cli
python3 bench/scale.py "$build/bin/corvane-cli" "$@"
