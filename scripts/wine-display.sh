# Sourced by the scripts that show Wine windows (launch.sh, take-screenshots.sh,
# bench/startup/measure-startup.sh). A wineserver keeps the display of the program that
# started it: a server started without DISPLAY (by a `reg add`, `winepath` or `regsvr32`) gives
# every later program of that prefix no display driver, and the program's window never appears.
#
# wine_display_ready PREFIX: call it once DISPLAY is set and before the script's first Wine
# command. A server of PREFIX is kept only when its desktop (explorer.exe) runs on $DISPLAY;
# otherwise (a desktop on another display, none, or one that failed for want of a display) the
# server is stopped, so that the next Wine command starts one on $DISPLAY. Every Wine command of
# the script must then see the same DISPLAY.

# Prints "name display" for each wineserver and desktop process of prefix "$1" ("-" for no
# display).
wine_prefix_processes() {
    local prefix=$1 proc name environ display
    for proc in /proc/[0-9]*; do
        name=$(cat "$proc/comm" 2>/dev/null) || continue
        [[ $name == wineserver* || $name == explorer.exe ]] || continue
        environ=$({ tr '\0' '\n' <"$proc/environ"; } 2>/dev/null) || continue
        grep -qxF "WINEPREFIX=$prefix" <<<"$environ" || continue
        display=$(sed -n 's/^DISPLAY=//p' <<<"$environ" | head -n 1)
        printf '%s %s\n' "$name" "${display:--}"
    done
}

wine_display_ready() {
    local prefix=$1 processes
    [[ -n ${DISPLAY:-} ]] || { echo "wine_display_ready: no DISPLAY" >&2; return 1; }
    processes=$(wine_prefix_processes "$prefix")
    grep -q '^wineserver' <<<"$processes" || return 0
    grep -qxF "explorer.exe $DISPLAY" <<<"$processes" && return 0
    echo "[wine] the prefix's wineserver has no desktop on $DISPLAY: restarting it" >&2
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix timeout 30 wineserver -w 2>/dev/null || true
}
