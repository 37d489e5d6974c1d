#!/usr/bin/env bash
# Builds Corvane and starts it on a demo sandbox (a made-up home with a Trash, a Desktop and a USB
# volume, the cookies of three browsers) so nothing of the real account is touched. Two sandboxes
# are built: a freedesktop home (the default on Linux) and the mac layout; CORVANE_LAYOUT=mac
# starts Corvane on the latter. Without a display it writes snapshots of both instead. A version
# document newer than the build is served from the sandbox on 127.0.0.1, so the menus' "Check for
# Updates…" shows the update window.
set -euo pipefail
cd "$(dirname "$0")/.."
default_layout=mac
[ "$(uname -s)" = Linux ] && default_layout=freedesktop
layout="${CORVANE_LAYOUT:-$default_layout}"
case "$layout" in
  mac|freedesktop) ;;
  *) echo "demo.sh: CORVANE_LAYOUT must be mac or freedesktop, not \"$layout\"" >&2; exit 2 ;;
esac
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON >/dev/null
cmake --build build-release --target Corvane corvane-cli corvane-sandbox corvane-version-server

sandbox="$PWD/demo-sandbox"
if [ -d "$sandbox" ]; then chmod -R u+w "$sandbox"; rm -rf "$sandbox"; fi
build-release/bin/corvane-sandbox "$sandbox/root" "$sandbox/config" >/dev/null
build-release/bin/corvane-sandbox --linux "$sandbox/linux-root" "$sandbox/linux-config" >/dev/null
mac_root="$sandbox/root" linux_root="$sandbox/linux-root"
echo "Demo sandbox (freedesktop layout): $linux_root (settings in $sandbox/linux-config)"
echo "Try: CORVANE_ROOT=$linux_root build-release/bin/corvane-cli trash list"
echo "Demo sandbox (mac layout): $mac_root (settings in $sandbox/config)"
echo "Try: CORVANE_ROOT=$mac_root CORVANE_LAYOUT=mac build-release/bin/corvane-cli size \"$mac_root\"/Users/*/.Trash/*"

# The update server: the sandbox's www folder on the loopback address, stopped when the demo ends.
build-release/bin/corvane-version-server --demo-document "$sandbox/www" >"$sandbox/update-server.txt" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$sandbox/update-server.txt" ] && break; sleep 0.1; done
update_base="$(head -n 1 "$sandbox/update-server.txt")"
if [ -n "$update_base" ]; then
  export CORVANE_UPDATE_URL="${update_base}product/corvaneVersion.plist"
  echo "Update server: $CORVANE_UPDATE_URL (try: CORVANE_UPDATE_URL=$CORVANE_UPDATE_URL build-release/bin/corvane-cli update check)"
else
  echo "demo.sh: the update server did not start; the update check will fail quietly" >&2
fi

# Each layout keeps its own settings, so rules made in one demo don't show up in the other.
run_on() {  # run_on LAYOUT COMMAND...
  if [ "$1" = mac ]; then
    CORVANE_ROOT="$mac_root" CORVANE_LAYOUT=mac XDG_CONFIG_HOME="$sandbox/config" "${@:2}"
  else
    CORVANE_ROOT="$linux_root" CORVANE_LAYOUT=freedesktop XDG_CONFIG_HOME="$sandbox/linux-config" "${@:2}"
  fi
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: writing snapshots of every window instead, to $sandbox/snapshots (mac layout)" \
       "and $sandbox/linux-snapshots (freedesktop layout)."
  QT_QPA_PLATFORM=offscreen run_on mac build-release/bin/Corvane --snapshot "$sandbox/snapshots"
  QT_QPA_PLATFORM=offscreen run_on freedesktop build-release/bin/Corvane --snapshot "$sandbox/linux-snapshots"
  echo "The update check against the demo's server:"
  build-release/bin/corvane-cli update check || true
  exit 0
fi
echo "Starting Corvane on the $layout sandbox."
run_on "$layout" build-release/bin/Corvane "$@"
