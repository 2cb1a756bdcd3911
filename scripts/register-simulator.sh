#!/usr/bin/env bash
# Registers the simulated mouse device service (PeraxilSim.dll, built in the win64 tree) in the
# project's Wine prefix (.cache/wine), so that CoCreateInstance of the device service's class
# finds it. Running it again rewrites the same keys, so it is safe to call before every test
# run and every launch.
#
# Usage: scripts/register-simulator.sh [--unregister] [DLL]
#        (DLL defaults to build/win64/simulator/PeraxilSim.dll)
#
# Runs Wine through scripts/wine-run (prefix, locale and a wineserver of its own when none is
# running), then reads the registration back and fails when it is not the DLL given.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE_RUN="$ROOT/scripts/wine-run"
CLSID='{472079C9-3628-45F7-A32E-FE00490518F1}'
KEY="HKCR\\CLSID\\$CLSID\\InprocServer32"

die() { printf 'register-simulator: %s\n' "$*" >&2; exit 1; }

UNREGISTER=0
if [[ ${1:-} == --unregister ]]; then
    UNREGISTER=1
    shift
fi
DLL=${1:-$ROOT/build/win64/simulator/PeraxilSim.dll}
[[ -f $DLL ]] || die "no $DLL; build the win64 tree first (cmake --build --preset win64)"
DLL=$(cd "$(dirname "$DLL")" && pwd)/$(basename "$DLL")

WIN_DLL=$("$WINE_RUN" winepath -w "$DLL" </dev/null 2>/dev/null | tr -d '\r')
[[ -n $WIN_DLL ]] || die "winepath could not name $DLL"

# Wine's regsvr32 without /s would show a message box and wait for it to be closed.
if [[ $UNREGISTER -eq 1 ]]; then
    "$WINE_RUN" regsvr32 /s /u "$WIN_DLL" </dev/null >/dev/null 2>&1 || die "regsvr32 /u $WIN_DLL failed"
    if "$WINE_RUN" reg query "$KEY" </dev/null >/dev/null 2>&1; then
        die "the class $CLSID is still registered"
    fi
    echo "register-simulator: unregistered $WIN_DLL"
    exit 0
fi

"$WINE_RUN" regsvr32 /s "$WIN_DLL" </dev/null >/dev/null 2>&1 || die "regsvr32 $WIN_DLL failed"
registered=$("$WINE_RUN" reg query "$KEY" /ve </dev/null 2>/dev/null | tr -d '\r' \
    | sed -n -E 's/^[[:space:]]*\(Default\)[[:space:]]+REG_SZ[[:space:]]+//p')
[[ ${registered,,} == "${WIN_DLL,,}" ]] \
    || die "the registration names '${registered:-nothing}', not $WIN_DLL"
echo "register-simulator: $CLSID -> $WIN_DLL"
