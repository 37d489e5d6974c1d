#!/usr/bin/env bash
# Compares corvane-cli's Trash listing with two peers, trash-cli's trash-list and gio, on a
# freedesktop sandbox of many items (bench/peers.py): the same items and put-back paths, the
# listing times, and trash-empty on a copy. The peers are installed here for the comparison only;
# Corvane itself needs neither.
# usage: bench/peers.sh [ITEMS [RUNS]]   (CORVANE_BENCH_BUILD picks the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${CORVANE_BENCH_BUILD:-build-bench}"
scripts/install-deps.sh
peers=(trash-cli libglib2.0-bin dbus python3)
missing=()
for p in "${peers[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing for the comparison: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BENCH=ON -DCORVANE_GUI=OFF >/dev/null
cmake --build "$build" --target corvane-cli
python3 bench/peers.py "$build/bin/corvane-cli" "$build/peers-sandbox" "$@"
