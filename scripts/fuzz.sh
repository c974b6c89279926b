#!/usr/bin/env bash
# Builds every fuzz target (fuzz/*Fuzz.cpp) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, seeds each corpus from the sample library, and runs
# each target in turn for SECONDS (default 60). A target's extra libFuzzer flags, such as a longer
# -max_len, are in fuzz/<Target>.options. Inputs that crash are kept in build-fuzz/crashes/<Target>/;
# the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz

bash scripts/setup.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Fuzz -DCMAKE_CXX_FLAGS_FUZZ="-O1 -gline-tables-only" -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DZV_FUZZ=ON -DZV_BUILD_TESTS=OFF -DZV_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target fuzzers
"$build/bin/SeedCorpus" "$build/corpus"

status=0
for source in fuzz/*Fuzz.cpp; do
    target=$(basename "$source" .cpp)
    options=()
    [[ -f fuzz/$target.options ]] && read -r -a options <"fuzz/$target.options"
    mkdir -p "$build/corpus/$target" "$build/crashes/$target"
    echo "== $target: $seconds s"
    if ! "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target/" "${options[@]}" "$build/corpus/$target" \
        >"$build/$target.log" 2>&1; then
        status=1
        echo "$target failed; the input is in $build/crashes/$target/ and the log in $build/$target.log"
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|cov: ' "$build/$target.log" | tail -3
done
exit $status
