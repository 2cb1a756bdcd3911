#!/usr/bin/env bash
# scripts/launch.sh as on a fresh machine: no DISPLAY, a Wine prefix that does not exist yet.
# It must end with a screenshot of the program's window drawn: most of the window's 480x300
# pixels lit and in many colours (a missing window leaves the screen black; an error box is a
# few greys).
#
# Usage: launch-headless-test.sh SOURCE_DIR WIN64_BUILD_DIR
set -uo pipefail
ROOT=$1
BUILD_DIR=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAILED: $*"
    sed 's/^/  launch: /' "$WORK/launch.log"
    exit 1
}

env -u DISPLAY VANTIX_WINEPREFIX="$WORK/wine" VANTIX_BUILD_DIR="$BUILD_DIR" VANTIX_SCREENSHOT="$WORK/shot.png" \
    VANTIX_NO_BUILD=1 "$ROOT/scripts/launch.sh" </dev/null >"$WORK/launch.log" 2>&1 ||
    fail "scripts/launch.sh exited $?"
[[ -s $WORK/shot.png ]] || fail "no screenshot"

lit=$(convert "$WORK/shot.png" -fill white +opaque black -format '%[fx:int(mean*w*h+0.5)]' info:)
colours=$(convert "$WORK/shot.png" -format '%k' info:)
echo "screenshot: $lit lit pixels, $colours colours"
((lit >= 480 * 300 / 2)) || fail "only $lit pixels of the screen are lit"
((colours >= 200)) || fail "only $colours colours on the screen"
