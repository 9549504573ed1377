#!/usr/bin/env bash
# Builds Quorlin and runs every test: the core, window and end-to-end tests; the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
mkdir -p build
passed=0
failed=0

# Runs one ctest preset and adds its counts to the totals.
run_ctest() {
  local log=build/ctest-$1.log status=0
  ctest --preset "$1" 2>&1 | tee "$log" || status=$?
  local total fails
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
  fails=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -1)
  passed=$((passed + ${total:-0} - ${fails:-0}))
  failed=$((failed + ${fails:-0}))
  [ -n "$total" ] || failed=$((failed + 1))  # ctest itself did not run to its summary
  return $status
}

cmake --preset dev -DQUORLIN_BUILD_TESTS=ON >/dev/null
cmake --build --preset dev
run_ctest dev || true

cmake --preset asan >/dev/null
cmake --build --preset asan
run_ctest asan || true

scripts/fuzz.sh "${QUORLIN_FUZZ_SECONDS:-30}" 2>&1 | tee build/fuzz.log || true
fuzz_passed=$(sed -n 's/^fuzz targets: \([0-9]*\) passed.*/\1/p' build/fuzz.log)
fuzz_failed=$(sed -n 's/^fuzz targets: .* \([0-9]*\) failed.*/\1/p' build/fuzz.log)
passed=$((passed + ${fuzz_passed:-0}))
failed=$((failed + ${fuzz_failed:-1}))

echo "tests: $passed passed, $failed failed"
[ $failed -eq 0 ]
