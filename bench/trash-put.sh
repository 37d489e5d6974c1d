#!/usr/bin/env bash
# Times moving N files into the home Trash: corvane-cli trash put, trash-cli's trash-put and gio
# trash (each given all the files in one run), and the floor (bench/put_floor.c: one exclusive
# info file and one rename per file). Each run trashes fresh files in its own home.
# usage: bench/trash-put.sh CORVANE_CLI [N]
set -euo pipefail
cli="$(realpath "$1")"
n="${2:-10000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/put_floor" "$(dirname "$0")/put_floor.c"

make_files() {  # folder
  mkdir -p "$1"
  (cd "$1" && seq -f "file-%05g.txt" 1 "$n" | xargs touch)
}

run() {  # label, then the command; HOME is fresh for each
  local label="$1"; shift
  local home="$work/$label"
  mkdir -p "$home/.local/share/Trash/files" "$home/.local/share/Trash/info"
  make_files "$home/items"
  local start end
  start=$(date +%s.%N)
  (cd "$home/items" && HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state" \
     CORVANE_ROOT= "$@" >/dev/null)
  end=$(date +%s.%N)
  local left
  left=$(find "$home/items" -type f | wc -l)
  printf '%-12s %8.2f s  (%d of %d files left behind)\n' "$label" "$(echo "$end - $start" | bc)" "$left" "$n"
}

echo "Moving $n files into the Trash:"
run floor sh -c '"$0" "$HOME/.local/share/Trash" "$PWD"/*' "$work/put_floor"
run corvane sh -c '"$0" trash put -- "$PWD"/*' "$cli"
command -v trash-put >/dev/null && run trash-put sh -c 'trash-put -- "$PWD"/*'
command -v gio >/dev/null && run gio sh -c 'gio trash -- "$PWD"/*'
exit 0
