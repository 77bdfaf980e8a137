#!/usr/bin/env bash
# Builds the libFuzzer targets of the measurement and pattern core (no Qt needed) and of the help
# file reader (Qt Core) with clang into build-fuzz/ and runs each for a bounded time, starting
# from the seeds in fuzz/corpus/ (the help file reader's also from the guide, compiled there).
# Fails, with the input kept under build-fuzz/artifacts/, when a target crashes, hangs, leaks
# or finds a property that does not hold. A compiler warning fails the build.
#   scripts/fuzz.sh          about a minute per target, as CI runs it
#   scripts/fuzz.sh 600      ten minutes per target
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build_dir=$root/build-fuzz
targets=(conversion_fuzzer pattern_plan_fuzzer arc_call_fuzzer chm_file_fuzzer)
# Seeds a target takes from the build besides its committed ones.
declare -A built_seeds=([chm_file_fuzzer]=$build_dir/fuzz/guides)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTAVREL_BUILD_FUZZERS=ON -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_BENCH=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build_dir" --parallel 2

mkdir -p "$build_dir/logs" "$build_dir/artifacts"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
passed=0
failed=0
for target in "${targets[@]}"; do
    # New inputs go to the first folder, in the build tree; the committed seeds stay as they are.
    corpus=$build_dir/corpus/$target
    log=$build_dir/logs/$target.log
    mkdir -p "$corpus"
    seeds=("$root/fuzz/corpus/$target")
    [[ -n ${built_seeds[$target]:-} ]] && seeds+=("${built_seeds[$target]}")
    echo "fuzz.sh: $target for ${seconds} s"
    if "$build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build_dir/artifacts/$target-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        # libFuzzer's closing lines: "#N DONE cov: X ft: Y ..." and "Done N runs in S second(s)".
        grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs' "$log"
        passed=$((passed + 1))
    else
        tail -n 60 "$log"
        echo "fuzz.sh: $target failed; the input is in $build_dir/artifacts/, the log in $log" >&2
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
