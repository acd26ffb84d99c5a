#!/usr/bin/env bash
# Builds Revaze and runs every test: once in a normal warning-free build,
# once under AddressSanitizer and UndefinedBehaviorSanitizer. Tests of real
# windows run in an X server that this script starts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/deps.sh" --test
source "$root/scripts/xvfb.sh"
start_x_server

run_suite() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -DREVAZE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

echo "== Build and tests"
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== Build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREVAZE_SANITIZE=ON
