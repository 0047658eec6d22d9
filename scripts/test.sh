#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Presets: default and asan unless named.
# Ends with one line "tests: N passed, N failed" over all presets.
set -euo pipefail
cd "$(dirname "$0")/.."
# Let ccache share objects between clones of the project in different folders.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true

usage="Usage: scripts/test.sh [PRESET...]
Installs the Debian packages it needs when they are missing, builds and runs every test in each
preset named (default: default and asan; the presets are in CMakePresets.json). A preset's tests
run while the next preset builds, and their output follows the last build. Ends with one line
\"tests: N passed, N failed\" over all presets; its exit status is 0 when every test passed.
QV_JOBS sets the jobs of the build and of the tests (default: every core)."
for arg in "$@"; do
  case $arg in
    -h | --help) echo "$usage"; exit 0 ;;
    -*) echo "scripts/test.sh: unknown option $arg" >&2; echo "$usage" >&2; exit 2 ;;
  esac
done

scripts/deps.sh

presets=("$@")
((${#presets[@]})) || presets=(default asan)
jobs=${QV_JOBS:-$(nproc)}
logs=() runs=()
trap 'kill "${runs[@]}" 2>/dev/null || true; rm -f "${logs[@]}"' EXIT

# Most of a run's time is end-to-end tests waiting on the real clock: the next preset builds
# meanwhile.
for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  logs+=("$(mktemp)")
  ctest --preset "$preset" -j "$jobs" >"${logs[-1]}" 2>&1 &
  runs+=($!)
done

status=0 passed=0 failed=0
for i in "${!presets[@]}"; do
  wait "${runs[i]}" || status=1
  echo "== ${presets[i]} tests"
  cat "${logs[i]}"
  # "100% tests passed, 0 tests failed out of 449"
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "${logs[i]}" | tail -1 ||
    true)
  if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    status=1
  fi
done
echo "tests: $passed passed, $failed failed"
exit $status
