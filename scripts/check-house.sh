#!/usr/bin/env bash
# Checks the house's floors from the sources alone (no build): only the file layer in src/core/fs
# makes raw file-system calls, and every #include between folders of src/ follows an allowed edge
# (the list below, also in the README's design section); the allowed edges have no cycle; no
# function of src/ is longer than 80 lines.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

# Raw calls on paths and opened folders. The *at family is caught however it is called; the short
# names only with "::", as this code base calls the system (a member called stat() is not one).
# Outside the file layer: SingleInstance's socket and Defaults' own settings file, which are the
# program's own files in its own private folders, not folders a user handed over.
at_calls='openat|unlinkat|fstatat|renameat2?|statx|mkdirat|linkat|symlinkat|readlinkat|fchmodat|fchownat|utimensat|fdopendir'
short_calls='open|opendir|stat|lstat|fstat|mkdir|rmdir|unlink|rename|chmod|chown|truncate|readlink|symlink|link|remove|fstatvfs|statvfs|statfs'
raw=$(grep -rnE "(^|[^A-Za-z0-9_.>:])(::)?($at_calls)\s*\(|(^|[^A-Za-z0-9_:])::($short_calls)\s*\(" src \
  --include='*.cpp' --include='*.h' |
  grep -vE '^src/core/fs/' |
  grep -vE '^[^:]+:[0-9]+:\s*(//|///|\*)' |
  grep -vE '^src/(app/SingleInstance|platform/Defaults)\.cpp:' || true)
if [ -n "$raw" ]; then
  echo "$raw"
  echo "only src/core/fs makes raw file-system calls: use OpenFolder, FsTree or FsLook"
  status=1
fi

# Allowed edges between folders of src/: "from: to to ...". A folder includes from itself and from
# the folders listed; anything else is a new edge to decide on (and to add here and to the README).
allowed='
core:
platform: core
widgets: platform core
erase: platform core
trash: erase widgets platform core
protect: trash widgets platform core
empty: protect trash platform core
autoclean: empty trash widgets platform core
desktop: trash widgets platform core
cookies: widgets platform core
update: widgets platform core
tolvik: trash platform core
cli: autoclean cookies desktop empty erase protect trash update platform core
app: autoclean cookies desktop empty erase protect trash update widgets platform core
'
declare -A may
while IFS=: read -r from tos; do
  [ -n "$from" ] || continue
  may[$from]=" $tos "
done <<<"$allowed"
edges=$(grep -rnoE '^#include "[a-z]+/' src --include='*.cpp' --include='*.h' |
  sed -E 's|^src/([a-z]+)/[^:]*:([0-9]+):#include "([a-z]+)/$|\1 \3 &|' || true)
while read -r from to where; do
  [ -n "$from" ] || continue
  [ "$from" = "$to" ] && continue
  if [ -z "${may[$from]+x}" ]; then
    echo "src/$from is not in the list of allowed edges (scripts/check-house.sh)"
    status=1
  elif [[ "${may[$from]}" != *" $to "* ]]; then
    echo "${where%%#include*} includes from src/$to: $from -> $to is not an allowed edge"
    status=1
  fi
done <<<"$edges"
# The allowed edges themselves form no cycle (tsort says so when they do).
pairs=$(while IFS=: read -r from tos; do
  [ -n "$from" ] || continue
  echo "$from $from"
  for to in $tos; do echo "$from $to"; done
done <<<"$allowed")
if ! tsort <<<"$pairs" >/dev/null 2>&1; then
  echo "the allowed edges between folders make a cycle"
  status=1
fi
python3 scripts/check-function-length.py 80 || status=1
exit $status
