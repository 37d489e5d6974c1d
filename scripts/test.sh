#!/usr/bin/env bash
# Builds everything with the address and undefined-behaviour sanitizers and runs every test, then
# builds the core without the Widgets library and runs its tests there too, fuzzes every reader
# of outside bytes, runs the worker tests under the thread sanitizer, and last builds, installs
# and removes the Debian package (scripts/package-check.sh). Under CI (CI=true)
# warnings are errors and the files changed since .ci/format-base must be clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
strict=()
if [ "${CI:-}" = true ]; then
  strict=(-DCORVANE_WERROR=ON)
  scripts/check-format.sh
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=ON "${strict[@]}"
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-asan && ctest --output-on-failure -j2 "$@")

# The core and the command line alone: proves no core file needs a widget header.
cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_GUI=OFF "${strict[@]}"
cmake --build build-core
(cd build-core && ctest --output-on-failure -j2 "$@")

# Every reader of outside bytes fuzzed for a minute, and the worker tests under the thread sanitizer.
scripts/fuzz.sh 60
scripts/tsan.sh

# The Debian package: built optimised, installed on this machine, run, removed without a trace.
# Warnings were already errors above; the optimiser's own are not held against the package.
scripts/package-check.sh
