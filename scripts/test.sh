#!/usr/bin/env bash
# Runs every test: set-up, then configure + build + ctest for each tree
#
#   native       host g++, portable core
#   native-asan  the same under AddressSanitizer + UndefinedBehaviorSanitizer
#   native-tsan  the same under ThreadSanitizer
#   win64        MinGW-w64 cross build, tests under Wine (persistent wineserver)
#   fuzz         clang + libFuzzer (ASan + UBSan): every fuzz target for a short bounded time
#                (scripts/fuzz.sh --ci); each target counts as one test
#
# Usage: scripts/test.sh [TREE...]      (default: all five, in that order)
#
# Starts Xvfb on a free display when there is no DISPLAY (tests labelled "gui" need one) and
# stops it at exit. Ends with the line "tests: N passed, N failed" (all trees together; a tree
# that fails to configure or build counts as one failed test) and exits non-zero if anything
# failed.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

ALL_TREES=(native native-asan native-tsan win64 fuzz)
TREES=("$@")
[[ ${#TREES[@]} -gt 0 ]] || TREES=("${ALL_TREES[@]}")
for tree in "${TREES[@]}"; do
    [[ " ${ALL_TREES[*]} " == *" $tree "* ]] || { echo "unknown tree '$tree' (one of: ${ALL_TREES[*]})" >&2; exit 2; }
done

LOG_DIR="$ROOT/build/logs"
PASSED=0
FAILED=0
FAILED_STEPS=()
TIMINGS=()
XVFB_PID=""
WINESERVER_STARTED=0

log() { printf '\n[test] %s\n' "$*"; }

cleanup() {
    if [[ $WINESERVER_STARTED -eq 1 ]]; then
        WINEPREFIX="$ROOT/.cache/wine" wineserver -k 2>/dev/null || true
        WINEPREFIX="$ROOT/.cache/wine" timeout 30 wineserver -w 2>/dev/null || true
    fi
    if [[ -n $XVFB_PID ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Runs a step, timing it; "$1" is its name for the summary.
timed() {
    local name=$1 start=$SECONDS rc
    shift
    "$@"
    rc=$?
    TIMINGS+=("$(printf '%-24s %4d s%s' "$name" $((SECONDS - start)) "$([[ $rc -eq 0 ]] || echo '  FAILED')")")
    return $rc
}

step_failed() {
    FAILED_STEPS+=("$1")
    FAILED=$((FAILED + 1))
}

start_display() {
    if [[ -n ${DISPLAY:-} ]]; then
        log "using DISPLAY=$DISPLAY"
        return 0
    fi
    local fd_file="$LOG_DIR/xvfb.display"
    rm -f "$fd_file"
    # -displayfd: Xvfb picks a free display itself and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >"$LOG_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [[ -s $fd_file ]] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s $fd_file ]]; then
        echo "Xvfb did not start; see $LOG_DIR/xvfb.log" >&2
        XVFB_PID=""
        return 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
    log "started Xvfb on DISPLAY=$DISPLAY"
}

# A persistent wineserver for the whole win64 run: without it every test program pays for
# starting Wine's server and services (measured: about 60 times slower per test). The services
# are started here, with stdio detached (see scripts/wine-run), on the display the tests use.
start_wineserver() {
    export WINEPREFIX="$ROOT/.cache/wine" WINEDEBUG=-all
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true
    wineserver -p </dev/null >/dev/null 2>&1 || return 1
    WINESERVER_STARTED=1
    "$ROOT/scripts/wine-run" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1
    # Xvfb has no window manager: a managed window that closes makes Wine wait two seconds for
    # a manager to withdraw it. Unmanaged windows close at once (scripts/launch.sh turns this
    # back on for a real display).
    "$ROOT/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

# Adds the counts from ctest's closing line ("N% tests passed, F tests failed out of T").
count_results() {
    local log_file=$1 line total failed
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log_file" | tail -n1)
    if [[ -z $line ]]; then
        return 1
    fi
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$line")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    PASSED=$((PASSED + total - failed))
    FAILED=$((FAILED + failed))
    return 0
}

# The fuzz tree's short run: every target for a few seconds. Its closing line
# "fuzz: N targets, F failed" gives the counts.
run_fuzz() {
    local log_file="$LOG_DIR/fuzz.log" line total failed
    timed "fuzz run" "$ROOT/scripts/fuzz.sh" --ci --no-build </dev/null >"$log_file" 2>&1
    cat "$log_file"
    line=$(grep -E '^fuzz: [0-9]+ targets, [0-9]+ failed' "$log_file" | tail -n1)
    if [[ -z $line ]]; then
        step_failed "fuzz: run (no result line)"
        return
    fi
    total=$(sed -E 's/^fuzz: ([0-9]+) targets.*/\1/' <<<"$line")
    failed=$(sed -E 's/.* ([0-9]+) failed$/\1/' <<<"$line")
    PASSED=$((PASSED + total - failed))
    FAILED=$((FAILED + failed))
}

run_tree() {
    local tree=$1
    log "=== $tree ==="
    if ! timed "$tree configure" cmake --preset "$tree"; then
        step_failed "$tree: configure"
        return
    fi
    if ! timed "$tree build" cmake --build --preset "$tree"; then
        step_failed "$tree: build"
        return
    fi
    if [[ $tree == win64 ]] && ! start_wineserver; then
        step_failed "$tree: wineserver"
        return
    fi
    # The COM tests and the program create the simulated device service through the registry.
    if [[ $tree == win64 ]] && ! timed "$tree register" "$ROOT/scripts/register-simulator.sh"; then
        step_failed "$tree: register the simulated device service"
        return
    fi
    if [[ $tree == fuzz ]]; then
        run_fuzz
        return
    fi
    local log_file="$LOG_DIR/ctest-$tree.log" rc start=$SECONDS retry=()
    # Now and then a Wine process ends at start, without output, in a few milliseconds (seen
    # about once in a thousand test processes). A failed test is run once more under Wine, so
    # such a start counts as nothing; a test that fails twice fails.
    [[ $tree == win64 ]] && retry=(--repeat until-pass:2)
    # Tests labelled "slow" (the installer in a fresh Wine prefix) run once, after the others
    # and never again on failure.
    local passes=("-LE slow") pass
    [[ $tree == win64 ]] && passes+=("-L slow")
    for pass in "${passes[@]}"; do
        # shellcheck disable=SC2086
        ctest --preset "$tree" $pass "${retry[@]}" </dev/null 2>&1 | tee "$log_file"
        rc=${PIPESTATUS[0]}
        TIMINGS+=("$(printf '%-24s %4d s%s' "$tree ctest $pass" $((SECONDS - start)) "$([[ $rc -eq 0 ]] || echo '  FAILED')")")
        if ! count_results "$log_file"; then
            step_failed "$tree: ctest $pass (no result line)"
        elif [[ $rc -ne 0 ]] && ! grep -qE ' [1-9][0-9]* tests? failed out of' "$log_file"; then
            # ctest failed without a failed test (a discovery error, say): count it once.
            step_failed "$tree: ctest $pass exited $rc"
        fi
        start=$SECONDS
        retry=()
        log_file="$LOG_DIR/ctest-$tree-slow.log"
    done
    if [[ $tree == win64 ]]; then
        WINEPREFIX="$ROOT/.cache/wine" wineserver -k 2>/dev/null || true
        WINEPREFIX="$ROOT/.cache/wine" timeout 30 wineserver -w 2>/dev/null || true
        WINESERVER_STARTED=0
    fi
}

mkdir -p "$LOG_DIR"
total_start=$SECONDS

if ! timed "setup" "$ROOT/scripts/setup.sh"; then
    step_failed "setup"
else
    if [[ " ${TREES[*]} " == *" win64 "* ]]; then
        start_display || step_failed "Xvfb"
    fi
    for tree in "${TREES[@]}"; do
        run_tree "$tree"
    done
fi

log "timings"
printf '  %s\n' "${TIMINGS[@]}"
printf '  %-24s %4d s\n' "total" $((SECONDS - total_start))
if [[ ${#FAILED_STEPS[@]} -gt 0 ]]; then
    log "failed steps:"
    printf '  %s\n' "${FAILED_STEPS[@]}"
fi
echo
echo "tests: $PASSED passed, $FAILED failed"
[[ $FAILED -eq 0 ]]
