#!/usr/bin/env bash
# Start-up measurement: time from process start to the first complete paint of the main window,
# and peak memory, for Vantix.exe and for an empty Win32 dialog built in the same tree, several
# runs each (alternating), in one run of this script. Prints both figures and both ratios.
#
# Usage: bench/startup/measure-startup.sh [RUNS]      (default 5)
# Environment: VANTIX_BUILD_DIR  the win64 build tree (default build/win64)
#              VANTIX_BENCH_PROGRAM  the program measured (default Vantix.exe; Peraxil1800Tray.exe
#                                    measures the tray companion up to its icon and first read
#                                    of the mouse; see bench/startup/measure-tray.sh)
#              VANTIX_BENCH_EXE, VANTIX_BENCH_EMPTY_EXE  other copies of the two programs to
#                                    measure (measure-tray.sh measures them as shipped)
#              DISPLAY           the X display to use; without one a private Xvfb is started
#              VANTIX_WINEPREFIX the Wine prefix (default .cache/wine)
#
# Every Wine command runs on that display: a wineserver of the prefix left on another display
# (or none) is restarted first (scripts/wine-display.sh).
#
# How it is observed: both programs write one trace line (OutputDebugStringW) when their main
# window's first paint is complete (a zero timer fires only once no paint is pending). Wine
# reports the line on stderr under WINEDEBUG=warn+seh; the script takes the time from starting
# the process to reading that line. Peak memory is VmHWM of the Windows process (found by a
# marker in its environment) read right after the line arrives. The mouse is the simulated
# device service, registered in the project's prefix, with a fresh store.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../scripts/wine-display.sh
source "$ROOT/scripts/wine-display.sh"
export VANTIX_WINEPREFIX=${VANTIX_WINEPREFIX:-$ROOT/.cache/wine}
RUNS=${1:-5}
BUILD_DIR=${VANTIX_BUILD_DIR:-$ROOT/build/win64}
VANTIX=${VANTIX_BENCH_EXE:-$BUILD_DIR/program/${VANTIX_BENCH_PROGRAM:-Vantix.exe}}
EMPTY=${VANTIX_BENCH_EMPTY_EXE:-$BUILD_DIR/bench/startup/EmptyDialog.exe}
XVFB_PID=""

cleanup() {
    if [[ -n $XVFB_PID ]]; then
        # The prefix's server belongs to the private display: it ends with it.
        WINEPREFIX=$VANTIX_WINEPREFIX wineserver -k 2>/dev/null || true
        WINEPREFIX=$VANTIX_WINEPREFIX timeout 30 wineserver -w 2>/dev/null || true
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT

for exe in "$VANTIX" "$EMPTY"; do
    [[ -f $exe ]] || { echo "measure-startup: no $exe; build the win64 tree first" >&2; exit 1; }
done

if [[ -z ${DISPLAY:-} ]]; then
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [[ -s $fd_file ]] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
    rm -f "$fd_file"
fi
wine_display_ready "$VANTIX_WINEPREFIX"

STORE=$(mktemp -d)
trap 'rm -rf "$STORE"; cleanup' EXIT

python3 - "$ROOT/scripts/wine-run" "$VANTIX" "$EMPTY" "$RUNS" "$STORE" <<'PY'
import os, signal, statistics, subprocess, sys, time, uuid

wine_run, vantix, empty, runs, store = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
MARKER = "main window painted"
TIMEOUT = 60.0

def find_processes(tag):
    """The Windows processes of one run, by their command lines: the program and what it
    started (the configurator starts its tray companion, which inherits the marker)."""
    found = {}
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"VANTIX_BENCH_RUN={tag}".encode() not in f.read().split(b"\0"):
                    continue
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                command = f.read()
            if b".exe" in command:
                found[int(pid)] = command
        except OSError:
            pass
    return found

def peak_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None

def measure(exe):
    tag = uuid.uuid4().hex
    env = dict(os.environ, WINEDEBUG="warn+seh", VANTIX_BENCH_RUN=tag, PERAXIL_SIM_DIR="Z:" + store.replace("/", "\\"))
    start = time.monotonic()
    proc = subprocess.Popen([wine_run, exe], cwd=os.path.dirname(exe), env=env,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    painted = None
    for raw in proc.stderr:
        if MARKER.encode() in raw:
            painted = time.monotonic() - start
            break
        if time.monotonic() - start > TIMEOUT:
            break
    processes = find_processes(tag)
    name = os.path.basename(exe).encode()
    pid = next((p for p, command in processes.items() if name in command), None)
    memory = peak_kib(pid) if pid else None
    # Nothing of a run outlives it: a tray companion left running would make the next
    # measurement of the tray a second copy that ends at once.
    for other in processes:
        try:
            os.kill(other, signal.SIGTERM)
        except OSError:
            pass
    try:
        proc.wait(timeout=20)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    if painted is None or memory is None:
        sys.exit(f"measure-startup: {os.path.basename(exe)} gave no paint line or no memory figure")
    # Let the wineserver forget the ended process before the next start.
    time.sleep(0.5)
    return painted, memory

results = {vantix: [], empty: []}
measure(empty)  # warms the prefix's services and the file cache; not counted
for run in range(runs):
    for exe in (vantix, empty):
        results[exe].append(measure(exe))
        t, m = results[exe][-1]
        print(f"run {run + 1}: {os.path.basename(exe):16s} first paint {t * 1000:7.1f} ms   peak {m / 1024:6.1f} MiB",
              flush=True)

def summary(exe):
    times = [t for t, _ in results[exe]]
    memory = [m for _, m in results[exe]]
    return statistics.median(times), statistics.median(memory)

vt, vm = summary(vantix)
et, em = summary(empty)
print()
print(f"median over {runs} runs       first complete paint   peak memory (VmHWM)")
name = os.path.basename(vantix)
print(f"  {name:22s} {vt * 1000:9.1f} ms        {vm / 1024:8.1f} MiB")
print(f"  {'EmptyDialog.exe':22s} {et * 1000:9.1f} ms        {em / 1024:8.1f} MiB")
print(f"  ratio program / empty  {vt / et:9.2f}           {vm / em:8.2f}")
print(f"  difference             {(vt - et) * 1000:9.1f} ms        {(vm - em) / 1024:8.1f} MiB")
PY
