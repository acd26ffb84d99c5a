#!/bin/sh
# Runs the metafile fuzzer from a build made with -DREVAZE_FUZZ=ON (clang).
#   tests/wmf/fuzz/run_fuzz.sh BUILD_DIR [SECONDS]
# Starts from the committed seeds/ beside this script and the sample pictures; new inputs go to
# BUILD_DIR/tests/wmf/fuzz/corpus, findings to .../artifacts.
# Exit status 0: nothing found; otherwise libFuzzer's status and the artifact path in its output.
set -eu
build=${1:?usage: run_fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
samples=$(cd "$here/../../../samples" && pwd)
dir=$build/tests/wmf/fuzz
cmake --build "$build" --target fuzz_wmf
mkdir -p "$dir/corpus" "$dir/artifacts"
cd "$dir"
LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0" \
exec nice -n 10 ./fuzz_wmf -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=artifacts/ corpus "$here/seeds" "$samples"
