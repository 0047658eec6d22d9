#!/usr/bin/env bash
# The instructions each main thread runs to its first paint, under callgrind: the client started
# by the lobby stand-in against a closed port, beside the bare window with its line of text. Both
# end at the first paint through the same plug-in as the start-up benchmark, and callgrind writes
# one profile per thread; the first is the main thread's.
# Usage: bench/startup/count_first_paint.sh [build folder, default build/default] [output folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build/default}")
out=$(realpath -m "${2:-$build/bench/startup/callgrind}")
mkdir -p "$out"
rm -f "$out"/callgrind.*

home=$(mktemp -d)
runtime=$(mktemp -d "${XDG_RUNTIME_DIR:-/dev/shm}/count_first_paint-XXXXXX")
trap 'rm -rf "$home" "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen HOME=$home XDG_RUNTIME_DIR=$runtime
watched=(env QT_PLUGIN_PATH="$build/bench/startup/plugins" QT_QPA_GENERIC_PLUGINS=qvfirstpaint)

# The stand-in starts the client through this wrapper, so that only the client runs under
# callgrind and is watched for its first paint.
wrapper=$home/callgrind_client.sh
cat >"$wrapper" <<EOF
#!/bin/sh
exec ${watched[*]} valgrind --tool=callgrind --separate-threads=yes \
    --callgrind-out-file="$out/callgrind.client.%p" "$build/src/app/quorvale" "\$@"
EOF
chmod +x "$wrapper"

"$build/tools/lobby_standin/lobby_standin" --no-window --timeout-ms=120000 --client "$wrapper" \
    --line 'alice$secret$127.0.0.1$1$一号桌$0$$0$$$0$$$0$0$' >/dev/null 2>&1
"${watched[@]}" valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/callgrind.text.%p" \
    "$build/bench/startup/startup_bare_window" --text >/dev/null 2>&1

main_thread() {
    local profile
    profile=$(ls "$out"/callgrind."$1".*-01)
    echo "$1 $(sed -n 's/^totals: //p' "$profile") $profile"
}
main_thread client
main_thread text
