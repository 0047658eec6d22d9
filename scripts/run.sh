#!/usr/bin/env bash
# Installs what is missing, builds the client and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
exec build/default/src/quorvale "$@"
