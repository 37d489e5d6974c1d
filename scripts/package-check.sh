#!/usr/bin/env bash
# Builds the Debian package from an optimised build, checks what it declares and holds, installs it
# on this machine, runs the installed programs, then purges it and checks that none of its files
# stay behind. It refuses to run where a corvane package, or any file it would install, is already
# there, so it never replaces or removes anything it did not put there itself.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
fail() { echo "package-check: $*" >&2; exit 1; }

# CORVANE_PACKAGE_BUILD=DIR packages an existing build tree configured with the prefix /usr instead.
build=${CORVANE_PACKAGE_BUILD:-build-pkg}
if [ -z "${CORVANE_PACKAGE_BUILD:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
        "$@" >/dev/null
fi
cmake --build "$build" -j2 --target Corvane corvane-cli Tolvik corvane-cli-man
rm -f "$build"/corvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/corvane_*.deb)
echo "package-check: built $deb"

# What it declares: the libraries it links and what it starts.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6network6 libsqlite3-0 libssl3 pkexec; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# What it holds, and that the menu entry and the software-centre description validate.
contents=$(mktemp -d)
cleanup_contents() { rm -rf "$contents"; }
trap cleanup_contents EXIT
dpkg-deb -x "$deb" "$contents"
for f in usr/bin/Corvane usr/bin/corvane-cli usr/libexec/corvane/Tolvik \
         usr/share/polkit-1/actions/app.corvane.tolvik.policy usr/share/applications/corvane.desktop \
         usr/share/metainfo/app.corvane.Corvane.metainfo.xml usr/share/icons/hicolor/scalable/apps/corvane.svg \
         usr/share/icons/hicolor/48x48/apps/corvane.png usr/share/icons/hicolor/512x512/apps/corvane.png \
         usr/share/man/man1/corvane-cli.1; do
  [ -s "$contents/$f" ] || fail "the package lacks /$f"
done
desktop-file-validate "$contents/usr/share/applications/corvane.desktop"
appstreamcli validate --no-net "$contents/usr/share/metainfo/app.corvane.Corvane.metainfo.xml"
grep -q '^\.SH VERBS' "$contents/usr/share/man/man1/corvane-cli.1" || fail "the manual page has no verbs"

# Never over an installed Corvane or a file some other way put there.
if dpkg-query -W -f='${Status}' corvane 2>/dev/null | grep -q 'installed'; then
  fail "a corvane package is installed here already; this check would replace it"
fi
mapfile -t entries < <(cd "$contents" && find . -mindepth 1 | sed 's|^\.||' | sort)
new_dirs=()
for e in "${entries[@]}"; do
  if [ -d "$contents$e" ] && [ ! -L "$contents$e" ]; then
    [ -e "$e" ] || new_dirs+=("$e")
  elif [ -e "$e" ] || [ -L "$e" ]; then
    fail "$e exists already; this check would overwrite it"
  fi
done

purge() { "${sudo_cmd[@]}" dpkg -P corvane >/dev/null; }
trap 'purge || true; cleanup_contents' EXIT
# apt resolves the declared dependencies, so an unsatisfiable one fails here.
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
version=$(dpkg-deb -f "$deb" Version)
[ "$(corvane-cli --version)" = "corvane-cli $version" ] || fail "corvane-cli --version: $(corvane-cli --version)"
QT_QPA_PLATFORM=offscreen Corvane --version | grep -q "$version" || fail "Corvane --version does not run"
mapfile -t owned < <(dpkg -L corvane)

purge
trap cleanup_contents EXIT
left=()
for e in "${owned[@]}"; do
  [ -n "$e" ] && [ "$e" != "/." ] || continue
  if [ -d "$e" ] && [ ! -L "$e" ]; then
    for d in "${new_dirs[@]}"; do [ "$d" = "$e" ] && left+=("$e"); done
  elif [ -e "$e" ] || [ -L "$e" ]; then
    left+=("$e")
  fi
done
[ ${#left[@]} -eq 0 ] || fail "left behind after removal: ${left[*]}"
echo "package-check: installed, ran corvane-cli $version, removed without a trace"
