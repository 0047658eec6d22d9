#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Presets: default and asan unless named.
# Ends with one line "tests: N passed, N failed" over all presets.
set -euo pipefail
cd "$(dirname "$0")/.."
# Let ccache share objects between clones of the project in different folders.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true

usage="Usage: scripts/test.sh [PRESET...]
Installs the Debian packages it needs when they are missing, builds and runs every test in each
preset named (default: default and asan; the presets are in CMakePresets.json). Ends with one
line \"tests: N passed, N failed\" over all presets; its exit status is 0 when every test passed.
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
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0 passed=0 failed=0
for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" | tee "$log" || status=1
  # "100% tests passed, 0 tests failed out of 449"
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    status=1
  fi
done
echo "tests: $passed passed, $failed failed"
exit $status
