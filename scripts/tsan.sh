#!/usr/bin/env bash
# Builds every test program with the thread sanitizer and runs them all: the Trash scan and tree,
# the emptying passes, erasing, the desktop tidy and its thumbnails, cookie reading, and the windows
# that hand their work to workers. Qt itself is not built for the sanitizer: tests/tsan.supp ignores
# only what Qt's and GLib's libraries do, and the tests start child processes by fork()
# (tests/support/ForkingClone.cpp). Any report fails the run.
#   scripts/tsan.sh
set -euo pipefail
cd "$(dirname "$0")/.."
strict=()
[ "${CI:-}" = true ] && strict=(-DCORVANE_WERROR=ON)
programs=(corvane_core_tests corvane_cookie_tests corvane_fault_tests corvane_tolvik_tests
  corvane_ui_tests corvane_cookie_ui_tests)
# Line tables (-g1) are all the reports' stacks need.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
  -DCORVANE_SANITIZE_THREAD=ON -DCORVANE_PCH=ON "${strict[@]}"
cmake --build build-tsan --target "${programs[@]}" Tolvik

export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1 exitcode=66"
# The sanitizer needs a fixed memory layout; without address randomisation it fits on any kernel.
run() {
  echo "== $1 ${2:-}"
  setarch "$(uname -m)" -R "build-tsan/bin/$1" --gtest_brief=1 ${2:+--gtest_filter="$2"}
}
for program in "${programs[@]}"; do
  case $program in
    # The snapshot tests start the whole program, which is not built with the test's fork().
    corvane_ui_tests) run "$program" '-Snapshot.*' ;;
    *) run "$program" ;;
  esac
done
