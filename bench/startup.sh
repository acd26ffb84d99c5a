#!/usr/bin/env bash
# Start-up time: Revaze on the sample list against a bare Qt window of the
# same size, alternating, each timed from launch until its window is mapped
# (polled with xdotool in the same way for both). Needs a running X server (DISPLAY).
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-10}
for program in "$build/src/revaze" "$build/bench/startup/bench_baseline_window"; do
    [[ -x "$program" ]] || { echo "missing $program: build the project first" >&2; exit 1; }
done
work=$(mktemp -d)
cp "$root"/samples/* "$work"/
trap 'rm -rf "$work"' EXIT

time_window() { # title, command...
    local title=$1; shift
    local start end pid
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
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

revaze=(); baseline=()
cd "$work"
for _ in $(seq "$runs"); do
    baseline+=("$(time_window Baseline "$build/bench/startup/bench_baseline_window")")
    revaze+=("$(time_window 'O n d r e l' "$build/src/revaze")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
b=$(median "${baseline[@]}"); r=$(median "${revaze[@]}")
echo "start-up to window shown: revaze median ${r} ms, bare Qt window median ${b} ms, ratio $(awk -v r="$r" -v b="$b" 'BEGIN {printf "%.2f", r / b}') ($runs runs each)"
