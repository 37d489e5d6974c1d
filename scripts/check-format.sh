#!/usr/bin/env bash
# Checks that the C++ files changed since the commit in .ci/format-base follow .clang-format, and
# that nothing in src/ outside src/app includes from src/app.
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
exit $status
