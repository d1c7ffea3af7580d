#!/usr/bin/env bash
# The robustness checks beyond `make test`: the test suites of the toolkit-free
# layers (core, catalogue, editor) under AddressSanitizer and
# UndefinedBehaviorSanitizer, then every fuzz target for a short time on its
# corpus. Each has a build folder of its own; the Qt layers are not rebuilt.
set -euo pipefail
cd "$(dirname "$0")/../.."

ASAN_BUILD=${ASAN_BUILD:-build-asan}
FUZZ_BUILD=${FUZZ_BUILD:-build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-15}
JOBS=${JOBS:-$(nproc)}
FUZZ_TARGETS=(fuzz_line_list fuzz_settings fuzz_marks fuzz_set_loader fuzz_bitmap fuzz_editor)

scripts/install-deps

passed=0
failed=0
failures=()
record() { # name status
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures+=("$1")
    fi
}

echo "== sanitizer build of the toolkit-free layers ($ASAN_BUILD)"
cmake -S . -B "$ASAN_BUILD" -DCMAKE_BUILD_TYPE=Debug -DPOTORAN_SANITIZE=ON >/dev/null
cmake --build "$ASAN_BUILD" --target core_tests catalogue_tests editor_tests -j "$JOBS"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for layer in core catalogue editor; do
    echo "== ${layer}_tests under ASan and UBSan"
    status=0
    "$ASAN_BUILD/tests/$layer/${layer}_tests" --gtest_brief=1 || status=$?
    record "${layer}_tests" "$status"
done

echo "== fuzz targets with clang ($FUZZ_BUILD)"
cmake -S . -B "$FUZZ_BUILD" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPOTORAN_FUZZ=ON >/dev/null
cmake --build "$FUZZ_BUILD" --target potoran_fuzz -j "$JOBS"

# New inputs go to a scratch folder, so the committed corpus stays small;
# crashing inputs are kept under the build folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$FUZZ_BUILD/artifacts"
unset ASAN_OPTIONS
for target in "${FUZZ_TARGETS[@]}"; do
    echo "== $target for ${FUZZ_SECONDS}s"
    mkdir -p "$scratch/$target" "$scratch/tmp"
    status=0
    TMPDIR="$scratch/tmp" "$FUZZ_BUILD/tests/fuzz/$target" -max_total_time="$FUZZ_SECONDS" \
        -timeout=10 -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$FUZZ_BUILD/artifacts/$target-" \
        "$scratch/$target" "tests/fuzz/corpus/$target" 2>"$scratch/$target.log" || status=$?
    grep -E '^(Done|stat::number_of_executed_units|#[0-9]+ *DONE)' "$scratch/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$scratch/$target.log"
    fi
    record "$target" "$status"
done

if [ "$failed" -ne 0 ]; then
    echo "failed: ${failures[*]}"
fi
echo "check-extra: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
