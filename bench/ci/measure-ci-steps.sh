#!/usr/bin/env bash
# Measures what a fresh clone's CI run costs, step by step: clones the given commit (default
# HEAD) into a scratch folder, turns compiler caching off, and runs the steps of scripts/test.sh
# one by one, printing wall time and CPU time (user + sys) of each. CPU time is the figure to
# compare on a shared machine, where wall time depends on what else runs.
#
# Usage: bench/ci/measure-ci-steps.sh [COMMIT] [TREE...]
#   Trees default to those scripts/test.sh runs (native native-asan native-tsan win64), plus
#   the fuzz tree when the commit has one. The report is written to build/ci-steps-<commit>.txt
#   of this checkout as well.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
COMMIT=${1:-HEAD}
shift || true
COMMIT=$(git -C "$ROOT" rev-parse --short "$COMMIT") || exit 2
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vantix-ci-steps.XXXXXX")
REPORT="$ROOT/build/ci-steps-$COMMIT.txt"
mkdir -p "$ROOT/build"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 CCACHE_DISABLE=1

cleanup() {
    WINEPREFIX="$WORK/src/.cache/wine" wineserver -k 2>/dev/null || true
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

git clone -q --no-checkout "$ROOT" "$WORK/src" && git -C "$WORK/src" checkout -q "$COMMIT" || exit 1
cd "$WORK/src" || exit 1

TREES=("$@")
if [[ ${#TREES[@]} -eq 0 ]]; then
    TREES=(native native-asan native-tsan win64)
    grep -q '"name": "fuzz"' CMakePresets.json && TREES+=(fuzz)
fi

printf '%-28s %8s %8s\n' "step (commit $COMMIT)" "wall s" "cpu s" | tee "$REPORT"
# Runs a step under /usr/bin/time, which counts the CPU time of every child process.
step() {
    local name=$1 out
    shift
    out=$(mktemp)
    /usr/bin/time -f '%e %U %S' -o "$out" "$@" >"$WORK/$name.log" 2>&1
    local rc=$?
    read -r wall user sys <"$out"
    printf '%-28s %8.0f %8.0f%s\n' "$name" "$wall" "$(echo "$user + $sys" | bc)" \
        "$([[ $rc -eq 0 ]] || echo "  FAILED (see $WORK/$name.log)")" | tee -a "$REPORT"
    rm -f "$out"
    return $rc
}

step setup scripts/setup.sh
if [[ " ${TREES[*]} " == *" win64 "* && -z ${DISPLAY:-} ]]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [[ -s $WORK/display ]] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '[:space:]' <"$WORK/display")"
fi
for tree in "${TREES[@]}"; do
    step "$tree configure" cmake --preset "$tree" || continue
    step "$tree build" cmake --build --preset "$tree" || continue
    if [[ $tree == win64 ]]; then
        export WINEPREFIX="$WORK/src/.cache/wine" WINEDEBUG=-all
        wineserver -p
        scripts/wine-run cmd.exe /c exit 0 >/dev/null 2>&1
        scripts/wine-run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        scripts/register-simulator.sh >/dev/null 2>&1
        step "$tree ctest" ctest --preset "$tree" --repeat until-pass:2
        wineserver -k
    elif [[ $tree == fuzz ]]; then
        step "$tree run" scripts/fuzz.sh --ci
    else
        step "$tree ctest" ctest --preset "$tree"
    fi
done
echo "report: $REPORT"
