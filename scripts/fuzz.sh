#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for a while on its corpus.
#   scripts/fuzz.sh [seconds per harness] [harness ...]
# Each harness starts from fuzz/corpus/<harness> and keeps what it learns in
# build/fuzz/corpus/<harness>; a finding is written to build/fuzz/findings/<harness>/ and
# ends the run with a failure. Cube-file harnesses get three times the time. Two cores at most.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build="$here/build/fuzz"
all=(connection_string number_format pivot_xml chart_xml settings_file phrase_table report_file server_name
     description_html cube_file cube_metadata)
harnesses=("${@:-${all[@]}}")

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSALINE_FUZZ=ON -DTESSALINE_TESTS=OFF >/dev/null
targets=()
for h in "${harnesses[@]}"; do
    [[ -f "$here/fuzz/$h.cpp" ]] && targets+=("fuzz_$h")
done
cmake --build "$build" -j 2 --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Two frames of each allocation's stack: the sanitizer keeps every distinct stack for good,
# and with full stacks the settings harness spends most of its time there after an hour.
# Replay a finding without this for the whole stack.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/fuzz/lsan.supp}
status=0
for h in "${harnesses[@]}"; do
    [[ -x "$build/fuzz/fuzz_$h" ]] || continue
    time=$seconds
    [[ $h == cube_* ]] && time=$((seconds * 3))
    mkdir -p "$build/corpus/$h" "$build/findings/$h"
    echo "== $h: $time s"
    # -timeout: one input may take 10 s (a cube that loops is stopped after half a second).
    if ! "$build/fuzz/fuzz_$h" -max_total_time="$time" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
            -artifact_prefix="$build/findings/$h/" "$build/corpus/$h" "$here/fuzz/corpus/$h" 2>"$build/$h.log"; then
        echo "   FINDING: see $build/$h.log and $build/findings/$h/"
        status=1
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$h.log" | sed 's/^/   /'
done
exit $status
