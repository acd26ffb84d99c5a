#!/usr/bin/env bash
# Start-up time and memory: Revaze on the sample list against a bare Qt window
# of the same size, in alternating pairs, each timed from launch until its
# window is mapped (polled with xdotool in the same way for both). Resident
# memory is read at that moment and again a second later, when Revaze shows
# its mode notice. Prints the medians of the paired ratios. Needs a running
# X server (DISPLAY).
#   bench/startup.sh BUILD_DIR [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-11}
for program in "$build/src/revaze" "$build/bench/startup/bench_baseline_window"; do
    [[ -x "$program" ]] || { echo "missing $program: build the project first" >&2; exit 1; }
done
work=$(mktemp -d)
cp "$root"/samples/* "$work"/
trap 'rm -rf "$work"' EXIT

measure() { # title, command... -> "milliseconds kilobytes-when-shown kilobytes-a-second-later"
    local title=$1; shift
    local start end pid rss
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    local deadline=$(( start + 20000000000 ))
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        if (( $(date +%s%N) > deadline )); then
            echo "no window '$title' from $1" >&2
            exit 1
        fi
    done
    end=$(date +%s%N)
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    sleep 1
    later=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss $later"
}

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v r="$1" -v b="$2" 'BEGIN {print r / b}'; }
times=(); memory=(); later=(); revazeMs=(); baseMs=(); revazeKb=(); baseKb=(); revazeLater=()
cd "$work"
for _ in $(seq "$rounds"); do
    read -r bt bm bl < <(measure Baseline "$build/bench/startup/bench_baseline_window")
    read -r rt rm rl < <(measure 'O n d r e l' "$build/src/revaze")
    revazeMs+=("$rt"); baseMs+=("$bt"); revazeKb+=("$rm"); baseKb+=("$bm"); revazeLater+=("$rl")
    times+=("$(ratio "$rt" "$bt")"); memory+=("$(ratio "$rm" "$bm")"); later+=("$(ratio "$rl" "$bl")")
done
printf 'start-up to window shown: revaze median %s ms, bare Qt window median %s ms, median of paired ratios %.2f\n' \
    "$(median "${revazeMs[@]}")" "$(median "${baseMs[@]}")" "$(median "${times[@]}")"
printf 'resident memory when shown: revaze median %s kB, bare Qt window median %s kB, median of paired ratios %.2f\n' \
    "$(median "${revazeKb[@]}")" "$(median "${baseKb[@]}")" "$(median "${memory[@]}")"
printf 'resident memory a second later, with the mode notice: revaze median %s kB, median of paired ratios %.2f (%s rounds)\n' \
    "$(median "${revazeLater[@]}")" "$(median "${later[@]}")" "$rounds"
