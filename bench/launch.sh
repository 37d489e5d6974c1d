#!/usr/bin/env bash
# bench/launch.sh CORVANE [RUNS]: the time from starting Corvane to its tray icon showing, on an
# empty sandbox with the settings of an earlier launch (no guide, no product page), offscreen, the
# update check pointed at a closed port. Corvane --bench-launch prints the clock once its icon and
# main window are shown and quits; the start is taken here just before it is run.
set -euo pipefail
program=${1:?usage: bench/launch.sh CORVANE [RUNS]}
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/root" "$work/config/Corvane"
printf '[General]\nFirstLauch=1\n' >"$work/config/Corvane/Corvane.conf"  # not the first launch
export CORVANE_ROOT="$work/root" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen CORVANE_TRAY=available
export CORVANE_UPDATE_URL=http://127.0.0.1:9/product/corvaneVersion.plist
"$program" --bench-launch >/dev/null 2>&1  # warms the file cache; not counted
times=()
for _ in $(seq "$runs"); do
  start=${EPOCHREALTIME/./}
  read -r shown what < <("$program" --bench-launch 2>/dev/null)
  [ "$what" = tray ] || { echo "launch.sh: Corvane showed no tray icon" >&2; exit 1; }
  times+=($(( (shown - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "launch to tray icon, $runs runs: best ${sorted[0]} ms, median ${sorted[$(( runs / 2 ))]} ms"
