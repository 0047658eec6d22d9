#!/usr/bin/env bash
# Installs what is missing, builds, and starts the lobby stand-in, which starts a scripted game
# server that accepts the login and the client connected to it. Extra arguments go to the
# stand-in (see build/default/tools/lobby_standin/lobby_standin --help); type "send 0x303",
# "restore", "minimize" or "quit" into it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
build=build/default
exec "$build/tools/lobby_standin/lobby_standin" \
  --client "$build/src/quorvale" \
  --server "$build/tools/scripted_server/scripted_server" \
  --server-script tools/scripted_server/scripts/accept_login.script \
  --server-timeout-ms 1800000 \
  "$@"
