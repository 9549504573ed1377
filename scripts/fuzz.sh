#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 30 s) on a working copy of
# its seed corpus. Usage: scripts/fuzz.sh [seconds-per-target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(profile split plan pattern removal)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

passed=0
failed=0
for name in "${targets[@]}"; do
  work=build/fuzz/corpus-run/$name
  mkdir -p "$work" build/fuzz/artifacts
  cp -n fuzz/corpus/$name/* "$work"/ 2>/dev/null || true
  echo "== fuzz_$name for ${seconds}s"
  if ! build/fuzz/fuzz/fuzz_$name "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -artifact_prefix=build/fuzz/artifacts/$name- -print_final_stats=1 2>build/fuzz/$name.log; then
    tail -40 build/fuzz/$name.log
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
  grep -E '^stat::number_of_executed_units|^Done' build/fuzz/$name.log | tr '\n' ' '; echo
done
echo "fuzz targets: $passed passed, $failed failed"
[ $failed -eq 0 ]
