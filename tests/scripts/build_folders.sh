#!/usr/bin/env bash
# The run command keeps a build folder of its own: configuring it must not
# touch the test build (given as $1), and its cache carries no coverage,
# sanitizer or -Werror settings from the test builds.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
test_build=$(realpath "$1")
REVAZE_CONFIGURE_ONLY=1 "$root/scripts/run.sh" </dev/null
cache="$root/build-run/CMakeCache.txt"
[[ -f "$cache" ]] || { echo "run.sh configured no build-run/"; exit 1; }
[[ $(realpath "$root/build-run") != "$test_build" ]] || { echo "run.sh uses the test build folder"; exit 1; }
for setting in REVAZE_COVERAGE REVAZE_SANITIZE REVAZE_WERROR REVAZE_FUZZ; do
    if grep -q "^$setting:BOOL=ON" "$cache"; then
        echo "build-run has $setting=ON"
        exit 1
    fi
done
grep -q '^CMAKE_BUILD_TYPE:STRING=RelWithDebInfo$' "$cache" || { echo "build-run is not an optimised build"; exit 1; }
echo "build-run is the run command's own"
