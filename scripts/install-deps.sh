#!/usr/bin/env bash
# Installs the Debian 12 packages Corvane needs to build, run and test; does nothing when all are there.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6dbus6 libgl-dev
          libgtest-dev libgmock-dev fonts-dejavu-core coreutils clang-format
          libsqlite3-dev libssl-dev libsecret-1-dev libpsl-dev qt6-l10n-tools
          dpkg-dev desktop-file-utils appstream
          clang libclang-rt-14-dev libtsan2
          trash-cli)  # the Trash tests check that other programs see what Corvane trashed, and the other way
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
