#!/usr/bin/env bash
# Builds Corvane and starts it on a demo sandbox (a made-up home with a Trash, a Desktop and a USB
# volume) so nothing of the real account is touched. Without a display it writes snapshots instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON >/dev/null
cmake --build build-release --target Corvane corvane-cli corvane-sandbox

sandbox="$PWD/demo-sandbox"
if [ -d "$sandbox" ]; then chmod -R u+w "$sandbox"; rm -rf "$sandbox"; fi
build-release/bin/corvane-sandbox "$sandbox/root" "$sandbox/config" >/dev/null
export CORVANE_ROOT="$sandbox/root" CORVANE_LAYOUT=mac
export XDG_CONFIG_HOME="$sandbox/config"
echo "Demo sandbox: $CORVANE_ROOT (settings in $XDG_CONFIG_HOME)"
echo "Try: CORVANE_ROOT=$CORVANE_ROOT build-release/bin/corvane-cli size \"\$CORVANE_ROOT\"/Users/*/.Trash/*"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: writing snapshots of every window to $sandbox/snapshots instead."
  QT_QPA_PLATFORM=offscreen build-release/bin/Corvane --snapshot "$sandbox/snapshots"
  exit 0
fi
exec build-release/bin/Corvane "$@"
