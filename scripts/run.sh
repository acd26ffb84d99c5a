#!/usr/bin/env bash
# Builds Revaze and starts it on the sample task list. The samples are
# copied once into run/samples, so the editor can save there. The build
# folder, build-run/, is this script's own: the test script's builds carry
# coverage and sanitizer flags and live in folders of their own.
# REVAZE_CONFIGURE_ONLY=1 stops after configuring (used by the tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-run"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
[[ "${REVAZE_CONFIGURE_ONLY:-}" == 1 ]] && exit 0
cmake --build "$build" --target revaze -j"$(nproc)"
work="$root/run/samples"
if [[ ! -e "$work/REVAZE.INI" ]]; then
    mkdir -p "$work"
    cp -n "$root"/samples/* "$work"/
fi
cd "$work"
exec "$build/src/revaze" "$@"
