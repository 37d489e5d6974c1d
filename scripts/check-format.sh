#!/usr/bin/env bash
# Checks that the C++ files changed since the commit in .ci/format-base follow .clang-format, and
# that nothing in src/ outside src/app includes from src/app, that only Paths and the Trash stores
# ask which layout runs (or how it measures), and the floors of the house (scripts/check-house.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
base=$(cat .ci/format-base 2>/dev/null || true)
status=0
if [ -n "$base" ] && git cat-file -e "$base^{commit}" 2>/dev/null; then
  mapfile -t changed < <(git diff --name-only --diff-filter=AM "$base" -- '*.cpp' '*.h')
  if [ ${#changed[@]} -gt 0 ]; then
    echo "clang-format: checking ${#changed[@]} changed files"
    clang-format --dry-run -Werror "${changed[@]}" || status=1
  fi
else
  echo "clang-format: no base commit in .ci/format-base; nothing to compare"
fi
# The top of the house: no source outside src/app includes from it.
if grep -rn '#include "app/' src --include='*.cpp' --include='*.h' | grep -v '^src/app/'; then
  echo "src/app is the top of the house: nothing else may include from it"
  status=1
fi
# Only Paths and the two Trash stores know which layout runs.
if grep -rnE 'Layout::(Mac|Freedesktop)|[pP]aths(\(\))?(->|\.)layout\(\)|measuresFoldersInProcess' src --include='*.cpp' --include='*.h' |
   grep -vE '^src/(platform/(Paths|FreedesktopPaths)\.(h|cpp)|trash/(TrashStore|MacTrashStore|FreedesktopTrashStore)\.(h|cpp)):'; then
  echo "only Paths and the Trash stores may ask which layout runs; ask the TrashStore instead"
  status=1
fi
scripts/check-house.sh || status=1
exit $status
