#!/usr/bin/env bash
# Formatting check: every C++ file of the tree (tracked, or added and not yet
# committed) must be as clang-format leaves them, on main as on any branch.
# The constant tables are laid out by hand and are not checked.
#   scripts/check-format.sh         check, and list what is not formatted
#   scripts/check-format.sh --fix   format those files in place
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <({
  git ls-files -- '*.cpp' '*.h'
  git ls-files --others --exclude-standard -- '*.cpp' '*.h'
} | grep -Ev '(_tables\.(cpp|h)|/definition_rows\.h)$' | sort -u)
# A file deleted in the worktree but still tracked is not there to check.
mapfile -t files < <(for file in "${files[@]}"; do [ -f "$file" ] && echo "$file"; done)
if [ "${#files[@]}" -eq 0 ]; then
  echo "check-format: no C++ files"
  exit 0
fi
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  echo "check-format: ${#files[@]} files formatted"
  exit 0
fi
clang-format --dry-run -Werror "${files[@]}"
echo "check-format: ${#files[@]} files as clang-format leaves them"
