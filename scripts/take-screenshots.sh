#!/usr/bin/env bash
# Takes the screenshots of the program's pages and pop-ups under Wine, per language, into
# docs/screenshots/<Language>/:
#   page-assign-buttons.png page-assign-keys.png page-performance.png page-profiles.png
#   page-macros.png page-lighting.png   the real Vantix.exe, one page after the other
#   page-assign-menu.png                the wheel button's list open with its profile submenu
#   popup-single-key.png                the single-key pop-up over the page, a key pressed
#   popup-stages.png                    the sensitivity stages pop-up of the performance page
#   page-profiles-list.png              the profiles page with two profiles made by name
#   page-profiles-options.png           and the option panel of a row open
#   page-macros-recording.png           the macros page recording a macro typed by xdotool
#   page-macros-recorded.png            the same macro after Stop
#   popup-ready-made.png                the ready-made command pop-up over the macros page
#   <Stem>.png                          each xml\<Stem>.xml of the program folder whose name
#                                       ends in "Popup", shown by PanelGallery.exe
#   ControlGallery.png                  the sliders, tiles and buttons (tests/controls/gallery),
#                                       shown by ControlGallery.exe
#   ControlsGallery.png                 the fields, lists and report list (tests/controls/gallery),
#   ControlsGallery-lists.png           shown by ControlsGallery.exe, the second time with the
#                                       drop-down's list and a cascaded list open
# Pixels outside a window's outline come out transparent: the screen behind the windows is
# painted magenta (255, 0, 255), the colour the skins use outside their outlines, before every
# capture (the screen has no background of its own: where a window closed it turns black), and
# every magenta pixel is made transparent. The main window is colour-keyed, and Wine draws its
# keyed corners black under Xvfb: so the pixels that the layout's MASK picture marks as outside
# (white) are made transparent as well.
#
# Usage: scripts/take-screenshots.sh [LANGUAGE ...]
#   LANGUAGE  registry language names (English, German, ChineseSimplified, ...); by default
#             English ChineseSimplified Russian. A language the program does not know shows in
#             English, as the program does.
# Environment:
#   VANTIX_BUILD_DIR  an existing, configured win64 build tree (default build/win64); the script
#                     builds the program, PanelGallery, the two control galleries, the simulated device
#                     service and the installation data in it, nothing else
#   VANTIX_WINEPREFIX another Wine prefix than .cache/wine (see scripts/wine-run)
#
# It starts its own Xvfb (1024x768x24) on the first free display of :91 to :95, registers the
# simulated device service, writes the registry's Language and InstallDir values
# (HKLM\Software\Dunmo\Peraxil1800) and sets the Wine X11 driver's Managed=N (Xvfb has no window
# manager), as scripts/test.sh does. The program is single-instance: no other copy may run in
# the same prefix meanwhile.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
# shellcheck source=wine-display.sh
source "$ROOT/scripts/wine-display.sh"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEDEBUG=-all
export VANTIX_WINEPREFIX=${VANTIX_WINEPREFIX:-$ROOT/.cache/wine}

if [[ $# -gt 0 ]]; then
    LANGUAGES=("$@")
else
    LANGUAGES=(English ChineseSimplified Russian)
fi
BUILD_DIR=${VANTIX_BUILD_DIR:-$ROOT/build/win64}
PROGRAM_DIR="$BUILD_DIR/program"
PROGRAM_EXE="$PROGRAM_DIR/Vantix.exe"
GALLERY_EXE="$BUILD_DIR/tests/skindata/win/PanelGallery.exe"
CONTROL_GALLERY_EXE="$BUILD_DIR/tests/controls/ControlGallery.exe"
CONTROLS_EXE="$BUILD_DIR/tests/controls/ControlsGallery.exe"
CONTROLS_LAYOUT="$ROOT/tests/controls/gallery/ControlsGallery.xml"
DEVICE_SERVICE_DLL="$BUILD_DIR/simulator/PeraxilSim.dll"
OUTPUT_DIR="$ROOT/docs/screenshots"
WINE_RUN="$ROOT/scripts/wine-run"
REGISTRY_KEY='HKLM\Software\Dunmo\Peraxil1800'
WINDOW_NAME='Peraxil'
CONVERT=/usr/bin/convert
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768

# Main window items (MainPage.xml, RECT left/top/width/height in window coordinates): the tabs at
# top 72, height 36, width 172; the link to the assign-keys page (AssignButtons.xml,
# TEXT_THUMBGRIDVIEW_BUTTON, RECT 704 130 220 24, right-justified: clicked near its right end);
# BUTTON_CANCEL at 710 570 110 32.
TAB_Y=$((72 + 36 / 2))
TAB_WIDTH=172
declare -A TAB_LEFT=(
    [assign-buttons]=24   # BUTTON_ASSIGNBUTTONS
    [performance]=200     # BUTTON_ADJUSTPERFORMANCE
    [profiles]=376        # BUTTON_MANAGEPROFILES
    [macros]=552          # BUTTON_MANAGEMACROS
    [lighting]=728        # BUTTON_LIGHTINGMAINTENANCE
)
KEYS_LINK_X=$((704 + 220 - 16))
KEYS_LINK_Y=$((130 + 24 / 2))
# The wheel button's drop-down (AssignButtons.xml, BUTTON_ASSNSCROLLBUTTON, box 484 306 320 28);
# its list opens under the box, the first row centred 6 pixels below it, rows of 15 pixels (14
# in the Chinese, Japanese and Korean faces): the single key is the ninth entry, the profile
# entry the tenth, its submenu opens to the right. The stages button
# (AdjustPerformance.xml, BUTTON_SENSITIVITY_STAGES, 262 161 150 32). Pop-ups open centred over the window: the single-key one is 440 x 220 with its
# field at 84 118 332 30 and Cancel at 306 172 110 32, the stages one 760 x 480 with Cancel at
# 626 436 110 32.
WHEEL_BOX_X=$((484 + 320 / 2))
WHEEL_BOX_Y=$((306 + 28 / 2))
LIST_ROW_PITCH=15
LIST_ROW_Y() { printf '%d' $((306 + 28 + 6 + LIST_ROW_PITCH * $1)); }
STAGES_X=$((262 + 150 / 2))
STAGES_Y=$((161 + 32 / 2))
CANCEL_X=$((710 + 110 / 2))
CANCEL_Y=$((570 + 32 / 2))
# The profiles page's New button, and a point in the name column of the list's second row.
NEW_PROFILE_X=$((40 + 150 / 2))
NEW_PROFILE_Y=$((474 + 32 / 2))
PROFILE_ROW_X=300
PROFILE_ROW2_Y=222
# The macros page (ManageMacros.xml): New 446 164 100 30, Record 40 504 100 30, Stop 146 504
# 100 30, the ready-made commands 490 356 150 32; that pop-up is 520 x 260, Cancel at 386 212.
MACRO_NEW_X=$((446 + 100 / 2))
MACRO_NEW_Y=$((164 + 30 / 2))
MACRO_RECORD_X=$((40 + 100 / 2))
MACRO_STOP_X=$((146 + 100 / 2))
MACRO_RECORD_Y=$((504 + 30 / 2))
MACRO_READY_X=$((490 + 150 / 2))
MACRO_READY_Y=$((356 + 32 / 2))

# Timeouts, in tenths of a second.
WINDOW_WAIT=300
READY_WAIT=300
EXIT_WAIT=100
# Rounds of the drawn-and-settled check (two equal captures 0.4 s apart).
SETTLE_ROUNDS=25

XVFB_PID=""
PROGRAM_PID=""
GALLERY_PID=""
WORK_DIR=""
FAILURES=0

log() { printf '[screenshots] %s\n' "$*"; }
warn() { printf '[screenshots] WARNING: %s\n' "$*" >&2; }
die() { printf '[screenshots] %s\n' "$*" >&2; exit 1; }

stop_process() {
    local pid=$1
    [[ -n $pid ]] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    exec 7>&- 2>/dev/null || true
    stop_process "$GALLERY_PID"
    stop_process "$PROGRAM_PID"
    if [[ -n $XVFB_PID ]]; then
        # The prefix's server belongs to the private display: it ends with it.
        WINEPREFIX=$VANTIX_WINEPREFIX wineserver -k 2>/dev/null || true
        WINEPREFIX=$VANTIX_WINEPREFIX timeout 30 wineserver -w 2>/dev/null || true
    fi
    stop_process "$XVFB_PID"
    if [[ -n $WORK_DIR ]]; then
        rm -rf "$WORK_DIR"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

build() {
    [[ -f $BUILD_DIR/CMakeCache.txt ]] ||
        die "no configured build tree in $BUILD_DIR (cmake --preset win64 -B $BUILD_DIR)"
    log "building the program, the galleries and the device service in $BUILD_DIR"
    cmake --build "$BUILD_DIR" -j2 --target vantix_program panel_gallery control_gallery controls_gallery PeraxilSim vantix_skindata
    for file in "$PROGRAM_EXE" "$GALLERY_EXE" "$CONTROL_GALLERY_EXE" "$CONTROLS_EXE" "$DEVICE_SERVICE_DLL"; do
        [[ -f $file ]] || die "no $file after the build"
    done
}

# Xvfb on the first free display of :91 to :95.
start_display() {
    local number
    for number in 91 92 93 94 95; do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp \
            >"$WORK_DIR/xvfb.log" 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number"
                log "Xvfb on $DISPLAY"
                "$CONVERT" -size "${SCREEN_WIDTH}x${SCREEN_HEIGHT}" 'xc:#ff00ff' "$WORK_DIR/screen.png"
                paint_screen
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        stop_process "$XVFB_PID"
        XVFB_PID=""
    done
    die "no free display among :91 to :95"
}

# Paints the screen magenta around the windows (drawing on the root window leaves them alone).
paint_screen() {
    timeout 20 display -window root "$WORK_DIR/screen.png" >/dev/null 2>&1 || true
    local pixel
    pixel=$(import -window root -crop "1x1+$((SCREEN_WIDTH - 1))+$((SCREEN_HEIGHT - 1))" +repage txt:- 2>/dev/null |
        tail -n 1)
    [[ $pixel == *'#FF00FF'* || $pixel == *'#FFFF0000FFFF'* || $pixel == *magenta* ]] ||
        die "could not paint the screen magenta (got: $pixel)"
}

prepare_wine() {
    wine_display_ready "$VANTIX_WINEPREFIX"
    log "registering the simulated device service"
    "$ROOT/scripts/register-simulator.sh" "$DEVICE_SERVICE_DLL" >/dev/null
    "$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    INSTALL_DIR=$("$WINE_RUN" winepath -w "$PROGRAM_DIR" </dev/null 2>/dev/null | tr -d '\r')
    [[ -n $INSTALL_DIR ]] || die "winepath could not name $PROGRAM_DIR"
}

write_language() {
    "$WINE_RUN" reg add "$REGISTRY_KEY" /v Language /t REG_SZ /d "$1" /f </dev/null >/dev/null 2>&1
    "$WINE_RUN" reg add "$REGISTRY_KEY" /v InstallDir /t REG_SZ /d "$INSTALL_DIR" /f </dev/null >/dev/null 2>&1
}

# capture FILE WIDTH HEIGHT X Y: the screen's area as it is now.
capture() {
    import -window root -crop "${2}x${3}+${4}+${5}" +repage "$1" 2>/dev/null
}

# The mask picture (skins\) that a layout file of xml\ names; empty when it names none.
layout_mask() {
    local mask
    mask=$(sed -n 's:.*<MASK>[[:space:]]*\([^<]*[^<[:space:]]\)[[:space:]]*</MASK>.*:\1:p' "$PROGRAM_DIR/xml/$1" | head -n 1)
    [[ -n $mask && -f $PROGRAM_DIR/skins/$mask ]] && printf '%s' "$PROGRAM_DIR/skins/$mask"
    return 0
}

# save FILE WIDTH HEIGHT X Y [MASK]: waits until the area stays the same for 0.4 s (at most
# SETTLE_ROUNDS rounds), then keeps it with magenta, and what MASK marks outside, transparent.
save() {
    local target=$1 mask=${6:-} before="$WORK_DIR/before.png" after="$WORK_DIR/after.png" settled=0
    paint_screen
    capture "$before" "$2" "$3" "$4" "$5"
    for _ in $(seq "$SETTLE_ROUNDS"); do
        sleep 0.4
        capture "$after" "$2" "$3" "$4" "$5"
        if compare -metric AE "$before" "$after" null: >/dev/null 2>&1; then
            settled=1
            break
        fi
        mv "$after" "$before"
    done
    if [[ $settled != 1 ]]; then
        # A blinking caret never settles: the last capture is the one kept.
        warn "$(basename "$target"): the picture kept changing; kept the last one"
        mv "$before" "$after"
    fi
    if [[ -n $mask && $(identify -format '%wx%h' "$mask" 2>/dev/null) == "${2}x${3}" ]]; then
        "$CONVERT" "$after" \( "$mask" -colorspace gray -negate \) -alpha off -compose CopyOpacity -composite \
            -fuzz 0 -transparent '#ff00ff' $PNG_OPTIONS "$target"
    else
        [[ -n $mask ]] && warn "$(basename "$target"): $(basename "$mask") is not ${2}x${3}; magenta alone is transparent"
        "$CONVERT" "$after" -fuzz 0 -transparent '#ff00ff' $PNG_OPTIONS "$target"
    fi
    log "saved ${target#"$ROOT"/}"
}

# A point of the main window that no item covers on any page (screen coordinates), once the
# window is known.
BLANK_POINT=()

# Pictures without time stamps or other metadata: an unchanged screen gives the same file.
PNG_OPTIONS="-strip"

# Moves the pointer off every window, so that nothing shows hovered. An item that shows hover
# holds the mouse capture until the pointer moves over another window, and Wine reports no
# motion over the bare X root: so the pointer first crosses a blank point of the main window.
park_pointer() {
    if [[ ${#BLANK_POINT[@]} -eq 2 ]]; then
        xdotool mousemove "${BLANK_POINT[0]}" "${BLANK_POINT[1]}"
        sleep 0.2
    fi
    xdotool mousemove $((SCREEN_WIDTH - 1)) $((SCREEN_HEIGHT - 1))
}

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
    park_pointer
}

# The main window's X window id, once it is mapped; empty after WINDOW_WAIT.
find_main_window() {
    local id=""
    for _ in $(seq "$WINDOW_WAIT"); do
        id=$(xdotool search --onlyvisible --name "$WINDOW_NAME" 2>/dev/null | head -n 1 || true)
        [[ -n $id ]] && break
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    printf '%s' "$id"
}

# On the profiles page: two more profiles made through the name pop-up (not applied), the list
# with them, then the option panel of the second row open.
shoot_profiles() {
    local folder=$1 mask=$2 name
    for name in Racing Strategy; do
        click $((X + NEW_PROFILE_X)) $((Y + NEW_PROFILE_Y))
        sleep 0.5
        xdotool type --delay 40 "$name"
        xdotool key Return
        sleep 0.5
    done
    park_pointer
    save "$folder/page-profiles-list.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
    xdotool mousemove $((X + PROFILE_ROW_X)) $((Y + PROFILE_ROW2_Y)) click 3
    sleep 0.5
    save "$folder/page-profiles-options.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
    xdotool key Escape
    sleep 0.3
    park_pointer
}

# On the macros page: a macro made through the name pop-up and recorded from keys and a click
# typed by xdotool (during and after the recording), then the ready-made command pop-up.
shoot_macros() {
    local folder=$1 mask=$2 window=$3 px py
    click $((X + MACRO_NEW_X)) $((Y + MACRO_NEW_Y))
    sleep 0.5
    xdotool type --delay 40 "Combo 1"
    xdotool key Return
    sleep 0.5
    click $((X + MACRO_RECORD_X)) $((Y + MACRO_RECORD_Y))
    xdotool windowfocus --sync "$window"
    xdotool keydown Control_L keydown c keyup c keyup Control_L
    sleep 0.2
    xdotool keydown Shift_L keydown f keyup f keyup Shift_L key Return
    park_pointer
    save "$folder/page-macros-recording.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
    click $((X + MACRO_STOP_X)) $((Y + MACRO_RECORD_Y))
    save "$folder/page-macros-recorded.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
    click $((X + MACRO_READY_X)) $((Y + MACRO_READY_Y))
    sleep 0.5
    px=$((X + (WIDTH - 520) / 2))
    py=$((Y + (HEIGHT - 260) / 2))
    save "$folder/popup-ready-made.png" 520 260 "$px" "$py" "$(layout_mask AdvancedMacroPopup.xml)"
    click $((px + 386 + 110 / 2)) $((py + 212 + 32 / 2))
}

shoot_pages() {
    local language=$1 folder=$2 window X Y WIDTH HEIGHT mask
    mask=$(layout_mask MainPage.xml)
    write_language "$language"
    case $language in
        ChineseSimplified | ChineseTraditional | Japanese | Korean) LIST_ROW_PITCH=14 ;;
        *) LIST_ROW_PITCH=15 ;;
    esac
    park_pointer
    (cd "$PROGRAM_DIR" && exec "$WINE_RUN" "$PROGRAM_EXE" </dev/null >"$WORK_DIR/program.log" 2>&1) &
    PROGRAM_PID=$!
    window=$(find_main_window)
    if [[ -z $window ]]; then
        warn "$language: the program's window did not appear (is another copy running in the prefix?)"
        FAILURES=$((FAILURES + 1))
        stop_process "$PROGRAM_PID"
        PROGRAM_PID=""
        return 0
    fi
    eval "$(xdotool getwindowgeometry --shell "$window")"
    log "$language: main window ${WIDTH}x${HEIGHT} at $X,$Y"
    # The bottom of the page area, between the page's items and the footer.
    BLANK_POINT=($((X + 480)) $((Y + 550)))
    local page
    for page in assign-buttons assign-keys performance profiles macros lighting; do
        if [[ $page == assign-keys ]]; then
            click $((X + TAB_LEFT[assign-buttons] + TAB_WIDTH / 2)) $((Y + TAB_Y))
            sleep 0.5
            click $((X + KEYS_LINK_X)) $((Y + KEYS_LINK_Y))
        else
            click $((X + TAB_LEFT[$page] + TAB_WIDTH / 2)) $((Y + TAB_Y))
        fi
        save "$folder/page-$page.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
        [[ $page == profiles ]] && shoot_profiles "$folder" "$mask"
        [[ $page == macros ]] && shoot_macros "$folder" "$mask" "$window"
    done
    shoot_open_views "$folder" "$window" "$mask"
    # Cancel closes the window; the process ends by itself or is ended.
    click $((X + CANCEL_X)) $((Y + CANCEL_Y))
    for _ in $(seq "$EXIT_WAIT"); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && warn "$language: the program did not close on Cancel; ending it"
    BLANK_POINT=()
    stop_process "$PROGRAM_PID"
    PROGRAM_PID=""
}

# The pages with a list or a pop-up open, in the running program (X, Y, WIDTH and HEIGHT are the
# main window's): the wheel button's list with the profile submenu, the single-key pop-up with
# a key pressed, the stages pop-up.
shoot_open_views() {
    local folder=$1 window=$2 mask=$3 px py
    click $((X + TAB_LEFT[assign-buttons] + TAB_WIDTH / 2)) $((Y + TAB_Y))
    xdotool windowfocus --sync "$window"
    xdotool mousemove $((X + WHEEL_BOX_X)) $((Y + WHEEL_BOX_Y)) click 1
    sleep 0.5
    xdotool mousemove $((X + WHEEL_BOX_X)) $((Y + $(LIST_ROW_Y 9))) click 1
    sleep 0.5
    save "$folder/page-assign-menu.png" "$WIDTH" "$HEIGHT" "$X" "$Y" "$mask"
    xdotool key Escape
    sleep 0.2
    xdotool key Escape
    sleep 0.3
    park_pointer
    xdotool mousemove $((X + WHEEL_BOX_X)) $((Y + WHEEL_BOX_Y)) click 1
    sleep 0.5
    xdotool mousemove $((X + WHEEL_BOX_X)) $((Y + $(LIST_ROW_Y 8))) click 1
    sleep 0.8
    px=$((X + (WIDTH - 440) / 2))
    py=$((Y + (HEIGHT - 220) / 2))
    click $((px + 84 + 332 / 2)) $((py + 118 + 30 / 2))
    xdotool key F5
    save "$folder/popup-single-key.png" 440 220 "$px" "$py" "$(layout_mask SingleKeyPopup.xml)"
    click $((px + 306 + 110 / 2)) $((py + 172 + 32 / 2))
    click $((X + TAB_LEFT[performance] + TAB_WIDTH / 2)) $((Y + TAB_Y))
    click $((X + STAGES_X)) $((Y + STAGES_Y))
    sleep 0.5
    px=$((X + (WIDTH - 760) / 2))
    py=$((Y + (HEIGHT - 480) / 2))
    save "$folder/popup-stages.png" 760 480 "$px" "$py" "$(layout_mask DPIStagesPopup.xml)"
    click $((px + 626 + 110 / 2)) $((py + 436 + 32 / 2))
}

# The text PanelGallery appends to a pop-up's heading: pop-ups that name a profile or macro.
heading_text() {
    case $1 in
        DuplicateMacro*|ExportMacro*|ConfirmDeleteMacro*) printf ': Combo 1' ;;
        Duplicate*|Export*Warning*|ExportProfileFailed*|DisallowDelete*|ConfirmDelete*|SelectApplication*|ProfileRename*)
            printf ': Gaming' ;;
    esac
}

# show_and_save NAME TARGET MASK COMMAND...: runs a gallery program (PanelGallery.exe,
# ControlGallery.exe) until it says READY <width> <height>, saves that area of the screen's
# top left corner into TARGET and lets the program end.
show_and_save() {
    local name=$1 target=$2 mask=$3 line="" width height
    shift 3
    rm -f "$WORK_DIR/gallery.in" "$WORK_DIR/gallery.out"
    mkfifo "$WORK_DIR/gallery.in"
    "$WINE_RUN" "$@" <"$WORK_DIR/gallery.in" >"$WORK_DIR/gallery.out" 2>"$WORK_DIR/gallery.err" &
    GALLERY_PID=$!
    exec 7>"$WORK_DIR/gallery.in"
    for _ in $(seq "$READY_WAIT"); do
        line=$(grep -a -m 1 -E '^(READY|ERROR)' "$WORK_DIR/gallery.out" 2>/dev/null | tr -d '\r' || true)
        [[ -n $line ]] && break
        kill -0 "$GALLERY_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [[ $line == READY* ]]; then
        read -r _ width height <<<"$line"
        save "$target" "$width" "$height" 0 0 "$mask"
    else
        warn "$name: $(basename "$1") did not show it (${line:-no answer})"
        FAILURES=$((FAILURES + 1))
    fi
    echo >&7 || true
    exec 7>&-
    for _ in $(seq "$EXIT_WAIT"); do
        kill -0 "$GALLERY_PID" 2>/dev/null || break
        sleep 0.1
    done
    stop_process "$GALLERY_PID"
    GALLERY_PID=""
}

shoot_popup() {
    local language=$1 folder=$2 layout=$3 stem append
    stem=${layout%.xml}
    append=$(heading_text "$stem")
    local arguments=("$GALLERY_EXE" "$PROGRAM_DIR" "$language" "$layout")
    [[ -n $append ]] && arguments+=("$append")
    show_and_save "$language/$stem" "$folder/$stem.png" "$(layout_mask "$layout")" "${arguments[@]}"
}

# The controls' galleries, the fields' one plain and with its lists open. The pointer stays away
# from them: the fields' gallery puts it where the open lists show a hovered row.
shoot_controls() {
    local language=$1 folder=$2
    park_pointer
    show_and_save "$language/ControlGallery" "$folder/ControlGallery.png" "" \
        "$CONTROL_GALLERY_EXE" "$PROGRAM_DIR" "$language"
    show_and_save "$language/ControlsGallery" "$folder/ControlsGallery.png" "" \
        "$CONTROLS_EXE" "$PROGRAM_DIR" "$language" "$CONTROLS_LAYOUT"
    show_and_save "$language/ControlsGallery-lists" "$folder/ControlsGallery-lists.png" "" \
        "$CONTROLS_EXE" "$PROGRAM_DIR" "$language" "$CONTROLS_LAYOUT" --lists
}

WORK_DIR=$(mktemp -d)
build
start_display
prepare_wine
for language in "${LANGUAGES[@]}"; do
    folder="$OUTPUT_DIR/$language"
    mkdir -p "$folder"
    log "$language"
    shoot_pages "$language" "$folder"
    shopt -s nullglob
    popups=("$PROGRAM_DIR"/xml/*Popup.xml)
    shopt -u nullglob
    for path in "${popups[@]}"; do
        shoot_popup "$language" "$folder" "$(basename "$path")"
    done
    shoot_controls "$language" "$folder"
done
if [[ $FAILURES -gt 0 ]]; then
    die "$FAILURES screenshot(s) could not be taken"
fi
log "done: $OUTPUT_DIR"
