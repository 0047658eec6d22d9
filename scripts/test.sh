#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Presets: default and asan unless named.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

presets=("$@")
((${#presets[@]})) || presets=(default asan)
jobs=${QV_JOBS:-$(nproc)}

status=0
for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status
