#!/usr/bin/env bash
# Builds Quorlin and runs every test: the core, window and end-to-end tests; the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake --preset dev -DQUORLIN_BUILD_TESTS=ON >/dev/null
cmake --build --preset dev
ctest --preset dev

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

scripts/fuzz.sh "${QUORLIN_FUZZ_SECONDS:-30}"
