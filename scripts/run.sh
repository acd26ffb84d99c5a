#!/usr/bin/env bash
# Builds Revaze and starts it on the sample task list. The samples are
# copied once into run/samples, so the editor can save there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target revaze -j"$(nproc)"
work="$root/run/samples"
if [[ ! -e "$work/REVAZE.INI" ]]; then
    mkdir -p "$work"
    cp -n "$root"/samples/* "$work"/
fi
cd "$work"
exec "$root/build/src/revaze" "$@"
