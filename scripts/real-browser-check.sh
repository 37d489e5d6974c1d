#!/usr/bin/env bash
# Lists the cookies that real browsers wrote: Debian's Chromium and Firefox ESR (installed for this
# check) visit a page on the loopback address that sets cookies, in a throwaway home, and
# corvane-cli must list them; then a value that is not UTF-8, SameSite, a partitioned cookie, the
# keep-list and the removal of one site are checked against Chromium started again. Not part of CI:
# the two browsers are large.
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
        if self.path.startswith("/echo"):
            # What the browser sends back, for the check after a removal.
            self.end_headers()
            self.wfile.write(b"<html><body>sent:" + (self.headers.get("Cookie") or "").encode("latin-1") + b"</body></html>")
            return
        self.send_header("Set-Cookie", "visit=one; Max-Age=864000; Path=/")
        self.send_header("Set-Cookie", "hidden=two; Max-Age=864000; Path=/; HttpOnly")
        self.send_header("Set-Cookie", "session=three; Path=/")
        self.send_header("Set-Cookie", "lax=four; Max-Age=864000; Path=/; SameSite=Lax")
        # Bytes that are not UTF-8 (latin-1 puts them on the wire as they are).
        self.send_header("Set-Cookie", "raw=\xff\xfe; Max-Age=864000; Path=/")
        self.send_header("Set-Cookie", "part=five; Max-Age=864000; Path=/; Secure; SameSite=None; Partitioned")
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
# Beyond listing: a non-UTF-8 value, SameSite, a partition, a kept site,
# and one site's removal that the browser, started again, honours.
json=$(CORVANE_LAYOUT=freedesktop "$cli" cookies list --source chrome --json 2>/dev/null || true)
grep -q '"valueBytes": "//4="' <<<"$json" && echo "chrome: non-UTF-8 value kept as its bytes" || { echo "chrome: raw value WRONG"; status=1; }
grep -q '"sameSite": "Lax"' <<<"$json" && echo "chrome: SameSite listed" || { echo "chrome: SameSite MISSING"; status=1; }
if grep -q '"partition": "http' <<<"$json"; then echo "chrome: partition listed"
else echo "chrome: no partitioned cookie stored (the browser may not partition on plain http)"; fi
jar=$home/jar.txt
CORVANE_LAYOUT=freedesktop "$cli" cookies export --netscape --source chrome --to "$jar" >/dev/null 2>"$home/export.err" || status=1
LC_ALL=C grep -q $'\traw\t\xff\xfe$' "$jar" && echo "cookies.txt: raw bytes written" || { echo "cookies.txt: raw value WRONG"; status=1; }
grep -q $'\tpart\t' "$jar" && { echo "cookies.txt: partitioned cookie NOT left out"; status=1; }
# Two sites: 127.0.0.1 (removed) and localhost (kept); the keep-list survives "remove all".
timeout 60 chromium --headless --no-sandbox --disable-gpu --password-store=basic --no-first-run \
  --user-data-dir="$home/.config/chromium" --dump-dom "http://localhost:$port/" >/dev/null 2>&1 || true
export XDG_CONFIG_HOME=$home/.config
# Headless Chromium's helpers outlive --dump-dom a little; corvane-cli rightly refuses while they run.
chromium_gone() { for _ in $(seq 1 30); do pgrep -x chromium >/dev/null || return 0; sleep 1; done; return 1; }
CORVANE_LAYOUT=freedesktop "$cli" cookies keep add localhost >/dev/null
chromium_gone
CORVANE_LAYOUT=freedesktop "$cli" --yes cookies remove --source chrome --site 127.0.0.1 || status=1
sent=$(timeout 60 chromium --headless --no-sandbox --disable-gpu --password-store=basic --no-first-run \
  --user-data-dir="$home/.config/chromium" --dump-dom "http://127.0.0.1:$port/echo" 2>/dev/null || true)
grep -q 'visit=' <<<"$sent" && { echo "chrome: removed site's cookies STILL SENT: $sent"; status=1; } || echo "chrome: removed site sends nothing"
sent=$(timeout 60 chromium --headless --no-sandbox --disable-gpu --password-store=basic --no-first-run \
  --user-data-dir="$home/.config/chromium" --dump-dom "http://localhost:$port/echo" 2>/dev/null || true)
grep -q 'visit=one' <<<"$sent" && echo "chrome: kept site still sends its cookies" || { echo "chrome: kept site LOST: $sent"; status=1; }
chromium_gone
CORVANE_LAYOUT=freedesktop "$cli" --yes cookies remove --source chrome >/dev/null || status=1
left=$(CORVANE_LAYOUT=freedesktop "$cli" cookies list --source chrome --json 2>/dev/null || true)
grep -q '"site": "localhost"' <<<"$left" && ! grep -q '"host": "127.0.0.1"' <<<"$left" \
  && echo "chrome: the keep-list survived remove all" || { echo "chrome: keep-list NOT honoured"; status=1; }
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
[ $status -eq 0 ] && echo "Real browsers: every check passed." || echo "$listed"
exit $status
