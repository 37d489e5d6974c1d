#!/usr/bin/env bash
# The one command that builds and runs every test: the programs and every test program (the fault
# suite included) with the address and undefined-behaviour sanitizers, and the fuzz targets' kept
# inputs (fuzz/corpus/) replayed as tests in that build. Under CI (CI=true) warnings are errors and
# the files changed since .ci/format-base must be clang-formatted. The longer checks (the thread
# sanitizer, fuzzing, the build without widgets, the package) are .ci/run's.
#   scripts/test.sh [CTEST-OPTIONS]      e.g. -R Trash, --repeat until-fail:3
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
strict=()
unformatted=
if [ "${CI:-}" = true ]; then
  strict=(-DCORVANE_WERROR=ON)
  # A formatting slip fails the run at the end, so it never hides what the build and tests say.
  scripts/check-format.sh || unformatted=1
fi
# -g1 keeps the line tables the sanitizers' stacks need and drops the rest of the debug information
# (a third of the build's time); the precompiled headers save most of the rest. Benchmarks are built
# only by scripts/bench.sh.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DCORVANE_SANITIZE=ON -DCORVANE_PCH=ON -DCORVANE_BENCH=OFF "${strict[@]}"
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-asan && ctest --output-on-failure -j"$(nproc)" "$@")
if [ -n "$unformatted" ]; then
  echo "scripts/check-format.sh failed: see its report at the start"
  exit 1
fi
