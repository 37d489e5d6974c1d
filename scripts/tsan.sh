#!/usr/bin/env bash
# Builds the tests with the thread sanitizer and runs the ones whose work runs on worker threads:
# the Trash scan, the emptying passes, erasing, the desktop tidy and cookie reading. With --ui, also
# the windowed ones (the Trash window and its tree, the actions, the store's thumbnails, the
# cookie pane), which need the whole widget build. Qt itself is not built for the sanitizer;
# tests/tsan.supp ignores only what Qt's libraries do. Any report fails the run.
#   scripts/tsan.sh [--ui]
set -euo pipefail
cd "$(dirname "$0")/.."
strict=()
[ "${CI:-}" = true ] && strict=(-DCORVANE_WERROR=ON)
targets=(corvane_core_tests corvane_cookie_tests)
[ "${1:-}" = --ui ] && targets+=(corvane_ui_tests corvane_cookie_ui_tests)
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DCORVANE_SANITIZE_THREAD=ON "${strict[@]}"
cmake --build build-tsan --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# die_after_fork=0: QProcess forks the test program, whose child only execs.
export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1 die_after_fork=0 exitcode=66"
# The sanitizer needs a fixed memory layout; without address randomisation it fits on any kernel.
run() {
  echo "== $1 --gtest_filter=$2"
  setarch "$(uname -m)" -R "build-tsan/bin/$1" --gtest_brief=1 --gtest_filter="$2"
}
run corvane_core_tests 'Worker.*:MainThread.*:Tasks.*:TrashScanner.*:TrashNavigation.*:CVTrashController*:FreedesktopTrash.*:PutBackOrigPaths.*:ForceEmptyPass.*:EmptyController.*:SecureEraser.*:DesktopTidy.*'
run corvane_cookie_tests 'CookieManager.*:CookieDatabase.*:ChromeDatabase.*:FirefoxDatabase.*:CookieRemoval.*'
if [ "${1:-}" = --ui ]; then
  run corvane_ui_tests 'TrashWindow.*:TrashTableActions.*:EmptyTrash.*:SecureErase.*:StoreBrowser.*:PopoverDesktopList.*'
  run corvane_cookie_ui_tests 'CookiePane.*'
fi
