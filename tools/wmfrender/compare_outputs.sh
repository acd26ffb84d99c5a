#!/usr/bin/env bash
# compare_outputs.sh BEFORE_WMFRENDER AFTER_WMFRENDER
# Renders every metafile (*.wmf, *.WMF) of samples/ and tests/wmf/data/
# with both binaries at scales 1, 0.5 and 2 and compares the PNGs byte for byte. Exit status 1 when
# any output differs (or only one binary manages to render a file).
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 BEFORE_WMFRENDER AFTER_WMFRENDER" >&2
    exit 2
fi
before=$1
after=$2
for bin in "$before" "$after"; do
    if [ ! -x "$bin" ]; then
        echo "$0: $bin is not an executable" >&2
        exit 2
    fi
done

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

mapfile -d '' files < <(
    { find "$root/samples" -maxdepth 1 -type f -iname '*.wmf' -print0
      find "$root/tests/wmf/data" -type f -iname '*.wmf' -print0; } | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "$0: no metafiles found under $root" >&2
    exit 2
fi

total=0
same=0
for file in "${files[@]}"; do
    for scale in 1 0.5 2; do
        total=$((total + 1))
        name="${file#"$root"/} at scale $scale"
        "$before" "$file" "$out/before.png" --scale "$scale" >"$out/before.log" 2>&1
        status_before=$?
        "$after" "$file" "$out/after.png" --scale "$scale" >"$out/after.log" 2>&1
        status_after=$?
        if [ $status_before -ne $status_after ]; then
            echo "differs: $name (exit status $status_before before, $status_after after)"
        elif [ $status_before -ne 0 ]; then
            # Neither renders it; the same refusal counts as the same output.
            if cmp -s "$out/before.log" "$out/after.log"; then
                same=$((same + 1))
            else
                echo "differs: $name (both fail, with different messages)"
            fi
        elif cmp -s "$out/before.png" "$out/after.png"; then
            same=$((same + 1))
        else
            echo "differs: $name"
        fi
        rm -f "$out/before.png" "$out/after.png"
    done
done

echo "$same of $total identical"
[ "$same" -eq "$total" ]
