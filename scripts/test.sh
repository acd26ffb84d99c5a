#!/usr/bin/env bash
# Builds Revaze and runs every test and quality gate:
#   1. a warning-free build with line coverage, its tests, and coverage of src/ held at 85 %;
#   2. installation, desktop entry and metainfo validation, the Debian package;
#   3. clang-tidy and cppcheck, both clean;
#   4. the tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   5. a 60-second run of the metafile fuzzer.
# Tests of real windows run in an X server that this script starts.
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
find "$root/build" -name '*.gcda' -delete 2>/dev/null || true
run_suite "$root/build" -DCMAKE_BUILD_TYPE=Debug -DREVAZE_COVERAGE=ON

echo "== Line coverage of src/"
gcovr --root "$root" --object-directory "$root/build" --filter "$root/src/" \
      --exclude "$root/src/app/main.cpp" --exclude '.*_autogen/.*' \
      --gcov-ignore-parse-errors --print-summary --fail-under-line 85 --txt "$root/build/coverage.txt" >/dev/null
tail -n 4 "$root/build/coverage.txt"

echo "== Install, desktop files and Debian package"
stage=$(mktemp -d)
cmake --install "$root/build" --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage"/usr/share/applications/org.revaze.Revaze.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/org.revaze.Revaze.metainfo.xml
test -f "$stage/usr/share/revaze/samples/REVAZE.INI"
test -f "$stage/usr/lib/revaze/revaze-speech.so"
test -f "$stage/usr/share/doc/revaze/copyright"
rm -rf "$stage"
(cd "$root/build" && cpack -G DEB >/dev/null && dpkg-deb --field revaze_*.deb Package Depends)

echo "== Static analysis"
cppcheck --enable=warning,performance,portability --library=qt --std=c++20 --error-exitcode=1 \
         --suppress=useInitializationList --inline-suppr --quiet -I "$root/src" "$root/src"
run-clang-tidy -p "$root/build" -quiet -j "$jobs" "$root/src/" >"$root/build/clang-tidy.txt" 2>&1 || {
    grep -E '(warning|error):' "$root/build/clang-tidy.txt" | sort -u; exit 1; }
echo "clang-tidy and cppcheck: clean"

echo "== Build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREVAZE_SANITIZE=ON

echo "== Metafile fuzzer, 60 seconds"
cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DREVAZE_FUZZ=ON >/dev/null
"$root/tests/wmf/fuzz/run_fuzz.sh" "$root/build-fuzz" 60 2>&1 | tail -n 12
