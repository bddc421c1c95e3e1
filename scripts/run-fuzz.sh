#!/usr/bin/env bash
# Runs every fuzz target built in BUILD_DIR for SECONDS each: fuzz_<name> starts from the seeds in
# tests/data/fuzz/<name>/ and keeps what it finds in BUILD_DIR/fuzz-corpus/<name>/. A crash, leak,
# hang (10 s per input) or sanitizer report fails the run; the input is kept in
# BUILD_DIR/fuzz-artifacts/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build directory}
seconds=${2:-60}
passed=0
failed=0
mkdir -p "$build/fuzz-artifacts"
for exe in "$build"/tests/fuzz/fuzz_*; do
  [[ -x "$exe" ]] || continue
  name=$(basename "$exe")
  name=${name#fuzz_}
  corpus="$build/fuzz-corpus/$name"
  seeds="$root/tests/data/fuzz/$name"
  mkdir -p "$corpus"
  echo "== fuzzing $name for ${seconds}s"
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/fuzz-artifacts/$name-" "$corpus" "$seeds" \
       >"$build/fuzz-$name.log" 2>&1; then
    passed=$((passed + 1))
    grep -E "^stat::number_of_executed_units|^Done" "$build/fuzz-$name.log" || true
  else
    failed=$((failed + 1))
    tail -n 60 "$build/fuzz-$name.log"
  fi
done
echo "fuzz targets run clean: $passed, failing: $failed"
[[ $failed -eq 0 && $passed -gt 0 ]]
