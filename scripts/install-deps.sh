#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorlin need, when they are missing.
# Usage: scripts/install-deps.sh [app|test]
set -euo pipefail

want=(build-essential cmake ninja-build pkg-config libicu-dev libpcre2-dev qt6-base-dev fonts-noto-cjk)
if [ "${1:-app}" = test ]; then
  want+=(libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev clang libclang-rt-14-dev
         xvfb xauth xdotool imagemagick)
fi

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -ne 0 ] && as_root=(sudo "${as_root[@]}")
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
