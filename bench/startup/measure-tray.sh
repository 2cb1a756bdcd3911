#!/usr/bin/env bash
# The tray companion's start-up and peak memory beside the empty dialog, measured like the
# configurator's (bench/startup/measure-startup.sh): the tray writes its trace line once its
# hidden window, notification icon and first read of the simulated mouse are done. Its budget
# is the empty dialog's peak memory + 8 MiB.
#
# Measured as shipped: the installer strips the programs, and so does this script, for the
# tray, the empty dialog and the simulated device service alike (it stands in for the mouse
# driver's service). Wine copies a MinGW image into memory whole, debugging sections included,
# so unstripped builds of the tray (15 MB) and of the simulator (16 MB) would add about 11 MiB
# each that no user's process carries. The simulator's registration is restored at the end.
#
# Usage: bench/startup/measure-tray.sh [RUNS]      (default 5)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${VANTIX_BUILD_DIR:-$ROOT/build/win64}
PROGRAM_DIR="$BUILD_DIR/program"
STRIP=${STRIP:-x86_64-w64-mingw32-strip}

STAGE=$(mktemp -d)
restore() {
    "$ROOT/scripts/register-simulator.sh" >/dev/null || echo "measure-tray: re-register the simulator" >&2
    rm -rf "$STAGE"
}
trap restore EXIT

# The program folder as installed: the stripped program beside links to its data folders.
for entry in "$PROGRAM_DIR"/*; do
    [[ -d $entry ]] && ln -s "$entry" "$STAGE/$(basename "$entry")"
done
"$STRIP" -o "$STAGE/Peraxil1800Tray.exe" "$PROGRAM_DIR/Peraxil1800Tray.exe"
"$STRIP" -o "$STAGE/EmptyDialog.exe" "$BUILD_DIR/bench/startup/EmptyDialog.exe"
"$STRIP" -o "$STAGE/PeraxilSim.dll" "$BUILD_DIR/simulator/PeraxilSim.dll"
"$ROOT/scripts/register-simulator.sh" "$STAGE/PeraxilSim.dll" >/dev/null

VANTIX_BENCH_EXE="$STAGE/Peraxil1800Tray.exe" VANTIX_BENCH_EMPTY_EXE="$STAGE/EmptyDialog.exe" \
    "$(dirname "${BASH_SOURCE[0]}")/measure-startup.sh" "$@"
