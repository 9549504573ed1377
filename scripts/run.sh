#!/usr/bin/env bash
# Builds Quorlin and starts it. The task store is kept beside the executable (build/dev/src/app).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh app
cmake --preset dev -DQUORLIN_BUILD_TESTS=OFF >/dev/null
cmake --build --preset dev --target quorlin
exec build/dev/src/app/quorlin "$@"
