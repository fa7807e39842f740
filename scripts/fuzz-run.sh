#!/usr/bin/env bash
# Runs every libFuzzer target of a build folder for SECONDS each from an empty
# corpus, JOBS at a time (they are single-threaded), and prints each one's
# figures in turn. A finding fails the run; its input is kept beside the log.
# Usage: scripts/fuzz-run.sh BUILD SECONDS JOBS
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-30}
jobs=${3:-$(nproc)}
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

run_one() {
  local target=$1 seconds=$2 logs=$3
  local name corpus status
  name=$(basename "$target")
  corpus=$(mktemp -d)
  status=0
  (cd "$logs" && "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" > "$logs/$name.log" 2>&1) ||
    status=$?
  rm -rf "$corpus"
  echo "$status" > "$logs/$name.status"
}
export -f run_one

# Absolute paths: each target runs inside the log folder, where its crash files land.
find "$(realpath "$build/bin")" -maxdepth 1 -name 'fuzz_*' -type f -executable | sort |
  xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$logs"

failed=0
for status_file in "$logs"/*.status; do
  name=$(basename "$status_file" .status)
  echo "== $name"
  grep -E "^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ +DONE)|ERROR|SUMMARY|cov:" \
    "$logs/$name.log" | tail -4 || true
  if [ "$(cat "$status_file")" != 0 ]; then
    failed=1
    mkdir -p "$build/fuzz-findings"
    cp "$logs/$name.log" "$build/fuzz-findings/"
    cp "$logs"/crash-* "$logs"/leak-* "$logs"/timeout-* "$build/fuzz-findings/" 2>/dev/null || true
    tail -5 "$logs/$name.log" | sed 's/^/   | /'
    echo "   finding kept in $build/fuzz-findings"
  fi
done
exit $failed
