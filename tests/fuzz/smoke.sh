#!/usr/bin/env bash
# Short fuzz run for the CI: builds the fuzz preset (clang, ASan+UBSan) and
# runs each target for a few seconds on its seed corpus. Any crash, leak,
# hang, sanitizer report or violated property fails the run; the input that
# caused it is kept under build-fuzz/findings/ and shown in hex.
#   TRELK_FUZZ_SECONDS  seconds per target (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${TRELK_FUZZ_SECONDS:-20}
targets=(pipeline format settings)

cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build-fuzz/findings
status=0
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    # New inputs go to the scratch directory first; the seed corpus is only read.
    if build-fuzz/bin/fuzz_$target \
            -dict=tests/fuzz/$target.dict \
            -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -malloc_limit_mb=512 \
            -print_final_stats=1 \
            -artifact_prefix="$work/$target-" \
            "$work/$target" tests/fuzz/corpus/fuzz_$target >"$work/$target.log" 2>&1; then
        echo "fuzz_$target: $(grep -m1 -o 'number_of_executed_units: [0-9]*' "$work/$target.log" || true), nothing found"
    else
        status=1
        echo "fuzz_$target: FINDING"
        tail -n 60 "$work/$target.log"
        mkdir -p "$findings"
        for artifact in "$work/$target"-*; do
            [ -e "$artifact" ] || continue
            cp "$artifact" "$findings/"
            echo "kept $findings/$(basename "$artifact"):"
            od -A x -t x1z "$artifact" | head -n 40
        done
    fi
done
exit $status
