#!/usr/bin/env bash
# Launches the configurator under Wine: set-up, win64 build, the simulated device service
# registered, the installation's registry key written, then the program in its folder
# (build/win64/program) on $DISPLAY, or on a private Xvfb with a screenshot when there is no
# display.
#
# Usage: scripts/launch.sh [LANGUAGE]
#   LANGUAGE  the registry's "Language" value (English, German, French, ...); English by default
# Environment:
#   VANTIX_BUILD_DIR    the win64 build tree to use (default build/win64)
#   VANTIX_WINEPREFIX   the Wine prefix (default .cache/wine); scripts/setup.sh creates it
#   VANTIX_SCREENSHOT   where the headless screenshot goes (default build/launch-screenshot.png)
#   VANTIX_NO_BUILD=1   use the build tree as it is (set-up still runs)
#
# The display comes first: every Wine command of the launch runs on the display the program
# uses, and a wineserver of the prefix left running on another display (or none) is restarted
# (scripts/wine-display.sh). Exits non-zero when the program's window does not appear.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
# shellcheck source=wine-display.sh
source "$ROOT/scripts/wine-display.sh"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEDEBUG=-all
export VANTIX_WINEPREFIX=${VANTIX_WINEPREFIX:-$ROOT/.cache/wine}
export WINEPREFIX=$VANTIX_WINEPREFIX

LANGUAGE=${1:-English}
BUILD_DIR=${VANTIX_BUILD_DIR:-$ROOT/build/win64}
PROGRAM_DIR="$BUILD_DIR/program"
PROGRAM_EXE="$PROGRAM_DIR/Vantix.exe"
DEVICE_SERVICE_DLL="$BUILD_DIR/simulator/PeraxilSim.dll"
SCREENSHOT=${VANTIX_SCREENSHOT:-$ROOT/build/launch-screenshot.png}
REGISTRY_KEY='HKLM\Software\Dunmo\Peraxil1800'
WINDOW_NAME='Peraxil'
XVFB_PID=""
PROGRAM_PID=""

log() { printf '[launch] %s\n' "$*"; }

cleanup() {
    if [[ -n $PROGRAM_PID ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null || true
        wait "$PROGRAM_PID" 2>/dev/null || true
    fi
    if [[ -n $XVFB_PID ]]; then
        # The prefix's server belongs to the private display: it ends with it.
        wineserver -k 2>/dev/null || true
        timeout 30 wineserver -w 2>/dev/null || true
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT

build() {
    "$ROOT/scripts/setup.sh"
    [[ ${VANTIX_NO_BUILD:-0} == 1 ]] && return 0
    log "building the win64 tree in $BUILD_DIR"
    cmake --preset win64 -B "$BUILD_DIR" >/dev/null
    cmake --build "$BUILD_DIR" -j2
}

# Registers the simulated device service (a COM server DLL) in the project's prefix.
register_device_service() {
    log "registering the simulated device service"
    "$ROOT/scripts/register-simulator.sh" "$DEVICE_SERVICE_DLL"
}

# The installation's key: the language and the installation folder (the tray companion is
# looked for there).
write_registry() {
    local install_dir
    install_dir=$("$ROOT/scripts/wine-run" winepath -w "$PROGRAM_DIR" </dev/null 2>/dev/null | tr -d '\r')
    [[ -n $install_dir ]] || { log "winepath could not name $PROGRAM_DIR"; return 1; }
    log "registry: Language=$LANGUAGE InstallDir=$install_dir"
    "$ROOT/scripts/wine-run" reg add "$REGISTRY_KEY" /v Language /t REG_SZ /d "$LANGUAGE" /f </dev/null >/dev/null 2>&1
    "$ROOT/scripts/wine-run" reg add "$REGISTRY_KEY" /v InstallDir /t REG_SZ /d "$install_dir" /f </dev/null >/dev/null 2>&1
}

# Uses $DISPLAY when there is one; otherwise starts Xvfb (no window manager) on a free display.
ensure_display() {
    if [[ -n ${DISPLAY:-} ]]; then
        return 0
    fi
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s $fd_file ]] && break
        sleep 0.1
    done
    [[ -s $fd_file ]] || { log "Xvfb did not start"; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
    rm -f "$fd_file"
    log "no display: started Xvfb on $DISPLAY"
}

# Waits up to 30 s for the program's window to be mapped.
wait_for_window() {
    for _ in $(seq 300); do
        if xdotool search --onlyvisible --name "$WINDOW_NAME" >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$PROGRAM_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# A window manager places and focuses the program's window on a real display; Xvfb has none,
# and there unmanaged windows close without Wine waiting for one.
set_window_management() {
    local managed=Y
    [[ -n $XVFB_PID ]] && managed=N
    "$ROOT/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f \
        </dev/null >/dev/null 2>&1 || true
}

start_program() {
    log "starting $(basename "$PROGRAM_EXE") on $DISPLAY"
    (cd "$PROGRAM_DIR" && exec "$ROOT/scripts/wine-run" "$PROGRAM_EXE") &
    PROGRAM_PID=$!
    if [[ -z $XVFB_PID ]]; then
        wait "$PROGRAM_PID" || true
        PROGRAM_PID=""
        return 0
    fi
    # Headless: wait for the window, let it paint, keep a screenshot, then end the program.
    if ! wait_for_window; then
        log "the program's window did not appear"
        return 1
    fi
    sleep 2
    mkdir -p "$(dirname "$SCREENSHOT")"
    import -display "$DISPLAY" -window root "$SCREENSHOT"
    log "screenshot: $SCREENSHOT"
}

build
log "program folder: $PROGRAM_DIR"
[[ -f $PROGRAM_EXE ]] || { log "no $PROGRAM_EXE after the build"; exit 1; }
ensure_display
wine_display_ready "$WINEPREFIX"
register_device_service
write_registry
set_window_management
start_program
