#!/usr/bin/env bash
# Installs what is missing, builds, and starts the lobby stand-in, which starts the table server
# (three computer players, real hands) and the client connected to it. Extra arguments go to the
# stand-in (see build/default/tools/lobby_standin/lobby_standin --help), for example
# --table-server-arg=--seed=7 to replay a game; the table server's own options and the way it
# plays are in build/default/tools/table_server/table_server --help. Type "send 0x303",
# "restore", "minimize" or "quit" into the stand-in.
set -euo pipefail
cd "$(dirname "$0")/.."

for arg in "$@"; do
  if [[ $arg == -h || $arg == --help ]]; then
    echo "Usage: scripts/run.sh [LOBBY STAND-IN OPTIONS...]
Installs what is missing, builds, and starts the lobby stand-in, which starts the table server
and the client connected to it; a hand is dealt once every seat is ready (the start button,
later the start button or the ready countdown). The options go to the stand-in, for example
--table-server-arg=--seed=7 to replay a game or --watch=5000 to watch a table."
    stand_in=build/default/tools/lobby_standin/lobby_standin
    if [[ -x $stand_in ]]; then
      echo
      "$stand_in" --help
    fi
    exit 0
  fi
done

scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
build=build/default
exec "$build/tools/lobby_standin/lobby_standin" \
  --client "$build/src/app/quorvale" \
  --table-server "$build/tools/table_server/table_server" \
  --table-server-arg=--bag=3:20 \
  --table-server-arg=--pool=1234567 \
  --table-server-arg=--winners="$PWD/tools/table_server/sample_winners.txt" \
  --table-server-arg=--tournament \
  "$@"
