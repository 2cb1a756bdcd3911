#!/usr/bin/env bash
# Builds the fuzz tree (clang, libFuzzer, ASan + UBSan) and fuzzes its targets, one after the
# other, each for a bounded time.
#
# Usage: scripts/fuzz.sh [--time SECONDS] [--ci] [--no-build] [TARGET...]
#   TARGET   names from fuzz/CMakeLists.txt (language_file, layout_file, ...); default: all
#   --time   seconds per target (default 60)
#   --ci     the short run of .ci/run: $VANTIX_FUZZ_CI_SECONDS (default 15) seconds per target
#
# Each target starts from its committed seeds (fuzz/corpus/<target>) and grows a working corpus
# in build/fuzz-work/<target>/corpus, kept between runs. An input that fails is saved in
# build/fuzz-work/<target>/ and named below: mend the fault, then copy the input into
# fuzz/regressions/<target>/, where it runs as a test in every tree. Ends with the line
# "fuzz: N targets, N failed" and a non-zero status when one failed.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

SECONDS_PER_TARGET=60
BUILD=1
TARGETS=()
while [[ $# -gt 0 ]]; do
    case $1 in
        --time) SECONDS_PER_TARGET=$2; shift 2 ;;
        --ci) SECONDS_PER_TARGET=${VANTIX_FUZZ_CI_SECONDS:-15}; shift ;;
        --no-build) BUILD=0; shift ;;
        -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
        *) TARGETS+=("$1"); shift ;;
    esac
done

if [[ $BUILD -eq 1 ]]; then
    cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || { echo "fuzz: the fuzz tree does not build" >&2; exit 1; }
fi
PROGRAMS="$ROOT/build/fuzz/fuzz"
if [[ ${#TARGETS[@]} -eq 0 ]]; then
    for program in "$PROGRAMS"/fuzz_*; do
        [[ -x $program ]] && TARGETS+=("${program##*/fuzz_}")
    done
fi
[[ ${#TARGETS[@]} -gt 0 ]] || { echo "fuzz: no fuzz programs in $PROGRAMS" >&2; exit 1; }

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
FAILED=()
for target in "${TARGETS[@]}"; do
    program="$PROGRAMS/fuzz_$target"
    work="$ROOT/build/fuzz-work/$target"
    [[ -x $program ]] || { echo "fuzz: unknown target '$target'" >&2; FAILED+=("$target"); continue; }
    mkdir -p "$work/corpus"
    seeds=("$ROOT/fuzz/corpus/$target")
    [[ -d $ROOT/fuzz/regressions/$target ]] && seeds+=("$ROOT/fuzz/regressions/$target")
    # -timeout: an input that takes longer is a hang; -rss_limit_mb: one that needs more is a fault.
    "$program" "$work/corpus" "${seeds[@]}" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$work/" -print_final_stats=1 \
        >"$work/log.txt" 2>&1
    rc=$?
    stats=$(grep -E '^stat::number_of_executed_units' "$work/log.txt" | awk '{print $2}')
    if [[ $rc -eq 0 ]]; then
        printf 'fuzz %-16s ok      %8s runs in %s s\n' "$target" "${stats:-?}" "$SECONDS_PER_TARGET"
    else
        printf 'fuzz %-16s FAILED  (log: %s)\n' "$target" "${work#"$ROOT"/}/log.txt"
        grep -E 'ERROR|fuzz check failed|SUMMARY|Test unit written' "$work/log.txt" | head -n 6 | sed 's/^/    /'
        FAILED+=("$target")
    fi
done
echo "fuzz: ${#TARGETS[@]} targets, ${#FAILED[@]} failed"
[[ ${#FAILED[@]} -eq 0 ]]
