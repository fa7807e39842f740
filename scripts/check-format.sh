#!/usr/bin/env bash
# Formatting check: the C++ files added or changed since the merge base with
# main (FORMAT_BASE overrides it) must be as clang-format leaves them. The
# constant tables are laid out by hand and are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."

base="${FORMAT_BASE:-}"
if [ -z "$base" ]; then
  for ref in origin/main main; do
    if git rev-parse --verify --quiet "$ref" >/dev/null; then
      base="$(git merge-base HEAD "$ref")"
      break
    fi
  done
fi
if [ -z "$base" ]; then
  echo "check-format: no main branch to compare with; nothing checked"
  exit 0
fi

mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h' |
  grep -Ev '(_tables\.(cpp|h)|/definition_rows\.h)$' || true)
# Files added but not committed yet count too.
mapfile -t -O "${#files[@]}" files < <(git ls-files --others --exclude-standard -- '*.cpp' '*.h' |
  grep -Ev '(_tables\.(cpp|h)|/definition_rows\.h)$' || true)
if [ "${#files[@]}" -eq 0 ]; then
  echo "check-format: no changed C++ files"
  exit 0
fi
clang-format --dry-run -Werror "${files[@]}"
echo "check-format: ${#files[@]} files as clang-format leaves them"
