#!/usr/bin/env bash
# Builds Quorlin and runs every test: the core and window tests, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

cmake --preset dev -DQUORLIN_BUILD_TESTS=ON >/dev/null
cmake --build --preset dev
ctest --preset dev

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
