#!/usr/bin/env bash
# Lists the cookies that real browsers wrote: Debian's Chromium and Firefox ESR (installed for this
# check) visit a page on the loopback address that sets cookies, in a throwaway home, and
# corvane-cli must list them. Not part of CI: the two browsers are large.
# Usage: scripts/real-browser-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
cli=${CORVANE_CLI:-$PWD/$build/bin/corvane-cli}
[ -x "$cli" ] || { echo "build corvane-cli first ($cli)"; exit 1; }
need=()
for p in chromium firefox-esr python3 gnome-keyring dbus libsecret-tools; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

home=$(mktemp -d /tmp/corvane-real-XXXXXX)
firefox=
trap 'kill "$server" $firefox 2>/dev/null || true; rm -rf "$home"' EXIT
port=$((20000 + RANDOM % 20000))
python3 - "$port" >/dev/null 2>&1 <<'PY' &
import http.server, sys
class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Set-Cookie", "visit=one; Max-Age=864000; Path=/")
        self.send_header("Set-Cookie", "hidden=two; Max-Age=864000; Path=/; HttpOnly")
        self.send_header("Set-Cookie", "session=three; Path=/")
        self.end_headers()
        self.wfile.write(b"<html><body>cookies set</body></html>")
http.server.HTTPServer(("127.0.0.1", int(sys.argv[1])), Page).serve_forever()
PY
server=$!
sleep 1
url="http://127.0.0.1:$port/"
export HOME=$home XDG_CONFIG_HOME=$home/.config
unset XDG_DATA_HOME XDG_CACHE_HOME
timeout 60 chromium --headless --no-sandbox --disable-gpu --password-store=basic --no-first-run \
  --user-data-dir="$home/.config/chromium" --dump-dom "$url" >/dev/null 2>&1 || true
# Firefox's content sandbox can't start as root; it is not what is checked here.
export MOZ_DISABLE_CONTENT_SANDBOX=1 MOZ_DISABLE_GMP_SANDBOX=1 MOZ_DISABLE_RDD_SANDBOX=1 \
       MOZ_DISABLE_SOCKET_PROCESS_SANDBOX=1
timeout 60 firefox-esr --headless -CreateProfile "check $home/.mozilla/firefox/check.default" >/dev/null 2>&1 || true
# Firefox keeps running while it is listed: its live, locked database is what users have.
timeout 180 firefox-esr --headless -profile "$home/.mozilla/firefox/check.default" "$url" >/dev/null 2>&1 &
firefox=$!
for _ in $(seq 1 90); do
  CORVANE_LAYOUT=freedesktop "$cli" cookies list --source firefox --json 2>/dev/null | grep -q '"visit"' && break
  sleep 2
done

status=0
for source in chrome firefox; do
  listed=$(CORVANE_LAYOUT=freedesktop "$cli" cookies list --source "$source" --json 2>&1 || true)
  for name in visit hidden; do
    if grep -q "\"$name\"" <<<"$listed"; then echo "$source: cookie \"$name\" listed"
    else echo "$source: cookie \"$name\" MISSING"; status=1; fi
  done
  grep -q '"one"\|"two"' <<<"$listed" && echo "$source: values read (decrypted where encrypted)"
done
# "v11": Chromium keeps its password in an unlocked key ring of a private session bus.
rm -rf "$home/.config/chromium"
v11=$(timeout 200 dbus-run-session -- bash -c '
  echo -n check | gnome-keyring-daemon --unlock --components=secrets >/dev/null 2>&1
  sleep 1
  timeout 90 chromium --headless --no-sandbox --disable-gpu --password-store=gnome-libsecret --no-first-run \
    --user-data-dir="$HOME/.config/chromium" --dump-dom "'"$url"'" >/dev/null 2>&1
  CORVANE_LAYOUT=freedesktop "'"$cli"'" cookies list --source chrome --json' 2>/dev/null || true)
if grep -q '"value": "one"' <<<"$v11"; then
  echo "chrome: v11 value decrypted with the key ring's password"
else
  echo "chrome: v11 value NOT decrypted"; echo "$v11"; status=1
fi
[ $status -eq 0 ] && echo "Real browsers: every cookie listed." || echo "$listed"
exit $status
