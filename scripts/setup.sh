#!/usr/bin/env bash
# One idempotent set-up step for building, testing and launching the configurator.
#
#   1. installs the Debian packages the build needs (apt-get only when something is missing),
#   2. fetches Debian's pugixml source package into .cache/src/ (the win64 tree compiles it),
#   3. creates the project's own Wine prefix in .cache/wine (or in $VANTIX_WINEPREFIX).
#
# On a machine where all of that is done it returns in a few seconds.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CACHE="$ROOT/.cache"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export DEBIAN_FRONTEND=noninteractive

log() { printf '[setup] %s\n' "$*"; }
die() { printf '[setup] error: %s\n' "$*" >&2; exit 1; }

SUDO=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || die "not root and no sudo: cannot install packages"
    SUDO=(sudo --preserve-env=DEBIAN_FRONTEND)
fi

APT_UPDATED=0
apt_update() {
    if [[ $APT_UPDATED -eq 0 ]]; then
        log "apt-get update"
        "${SUDO[@]}" apt-get update -qq
        APT_UPDATED=1
    fi
}

# ---------------------------------------------------------------------------------------------
# 1. Packages
# ---------------------------------------------------------------------------------------------
PACKAGES=(
    cmake ninja-build g++ make ccache
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev
    wine wine64
    xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core librsvg2-bin fonts-liberation2 fonts-noto-cjk
    googletest libgtest-dev libgmock-dev libpugixml-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    dpkg-dev xz-utils python3 nsis
)

install_missing_packages() {
    local missing=() pkg status
    for pkg in "${PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
        [[ $status == installed ]] || missing+=("$pkg")
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        log "packages: all ${#PACKAGES[@]} present"
        return
    fi
    log "installing: ${missing[*]}"
    apt_update
    "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ---------------------------------------------------------------------------------------------
# 2. Debian's pugixml source package
# ---------------------------------------------------------------------------------------------
DEB_SRC_LIST=/etc/apt/sources.list.d/vantix-deb-src.sources

# Writes deb-src entries mirroring the machine's own Debian 'deb' entries: same URIs, suites,
# components and keyring, read from /etc/apt at run time (deb822 .sources files and the one-line
# sources.list format). Only suites of this release (codename, codename-updates, ...) are taken,
# so third-party repositories are left out.
add_deb_src_entries() {
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [[ -n $codename ]] || die "cannot tell the Debian release from /etc/os-release"

    local files=() f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [[ -f $f && $f != "$DEB_SRC_LIST" ]] && files+=("$f")
    done
    [[ ${#files[@]} -gt 0 ]] || die "no apt sources found under /etc/apt"

    local entries
    entries=$(awk -v codename="$codename" '
        function suite_ok(s) { return s ~ ("^" codename "(-[a-z]+)?/?$") }
        function flush(   i, n, parts, suites) {
            if (types ~ /(^|[ \t])deb([ \t]|$)/ && enabled !~ /^(no|false)$/ && uris != "") {
                n = split(suitesField, parts, /[ \t]+/)
                suites = ""
                for (i = 1; i <= n; i++) if (parts[i] != "" && suite_ok(parts[i])) suites = suites " " parts[i]
                if (suites != "") {
                    printf "Types: deb-src\nURIs: %s\nSuites:%s\nComponents: %s\n", uris, suites, comps
                    if (signed != "") printf "Signed-By: %s\n", signed
                    printf "\n"
                }
            }
            types = uris = suitesField = comps = signed = enabled = ""
        }
        FNR == 1 { if (deb822) flush(); deb822 = (FILENAME ~ /\.sources$/) }
        deb822 && /^[ \t]*$/ { flush(); next }
        deb822 && /^[ \t]*#/ { next }
        deb822 {
            key = $0; sub(/:.*/, "", key); val = $0; sub(/^[^:]*:[ \t]*/, "", val)
            if (key == "Types") types = val
            else if (key == "URIs") uris = val
            else if (key == "Suites") suitesField = val
            else if (key == "Components") comps = val
            else if (key == "Signed-By") signed = val
            else if (key == "Enabled") enabled = tolower(val)
            next
        }
        # one-line format: deb [options] uri suite component...
        $1 == "deb" {
            i = 2; opts = ""
            if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
            uri = $(i); suite = $(i + 1); comps1 = ""
            for (j = i + 2; j <= NF; j++) comps1 = comps1 (comps1 == "" ? "" : " ") $j
            signed1 = ""
            if (match(opts, /signed-by=[^ \]]+/)) signed1 = substr(opts, RSTART + 10, RLENGTH - 10)
            if (suite_ok(suite)) {
                printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n", uri, suite, comps1
                if (signed1 != "") printf "Signed-By: %s\n", signed1
                printf "\n"
            }
        }
        END { if (deb822) flush() }
    ' "${files[@]}")
    [[ -n $entries ]] || die "found no Debian '$codename' entries in /etc/apt to derive deb-src entries from"
    log "adding deb-src entries derived from /etc/apt to $DEB_SRC_LIST"
    printf '# Written by the Vantix set-up: source entries mirroring this machine'"'"'s Debian entries.\n\n%s\n' \
        "$entries" | "${SUDO[@]}" tee "$DEB_SRC_LIST" >/dev/null
    APT_UPDATED=0
    apt_update
}

fetch_pugixml_source() {
    local found
    found=$(compgen -G "$CACHE/src/pugixml-*/src/pugixml.cpp" | head -n1 || true)
    if [[ -n $found ]]; then
        log "pugixml source: ${found#"$ROOT"/}"
        return
    fi
    if ! apt-cache showsrc pugixml 2>/dev/null | grep -q '^Package: pugixml'; then
        apt_update
        if ! apt-cache showsrc pugixml 2>/dev/null | grep -q '^Package: pugixml'; then
            add_deb_src_entries
        fi
    fi
    mkdir -p "$CACHE/src"
    local work
    work=$(mktemp -d "$CACHE/src/.fetch.XXXXXX")
    log "apt-get source pugixml"
    (cd "$work" && apt-get source -qq -o APT::Sandbox::User=root pugixml >/dev/null) \
        || { rm -rf "$work"; die "apt-get source pugixml failed"; }
    local dir
    dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'pugixml-*' | head -n1)
    [[ -n $dir && -f $dir/src/pugixml.cpp ]] || { rm -rf "$work"; die "pugixml source package has no src/pugixml.cpp"; }
    mv "$dir" "$CACHE/src/"
    rm -rf "$work"
    log "pugixml source: .cache/src/$(basename "$dir")"
}

# ---------------------------------------------------------------------------------------------
# 3. The project's Wine prefix
# ---------------------------------------------------------------------------------------------
create_wine_prefix() {
    export WINEPREFIX="${VANTIX_WINEPREFIX:-$CACHE/wine}" WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko: the program needs neither, and their installers would prompt.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    local stamp="$WINEPREFIX/.vantix-prefix-ready"
    if [[ -f $stamp ]]; then
        log "wine prefix: $WINEPREFIX"
        return
    fi
    log "creating wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    # No display is needed (nor wanted) for this: wineboot would open its progress window.
    DISPLAY='' wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [[ -f $WINEPREFIX/system.reg ]] || die "wineboot did not create the prefix"
    # A crash must end the process, not open winedbg's dialog and wait forever for a click.
    DISPLAY='' wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
    wineserver -w
    grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" \
        || die "could not turn off WineDbg's crash dialog"
    touch "$stamp"
}

start=$SECONDS
install_missing_packages
fetch_pugixml_source
create_wine_prefix
log "done in $((SECONDS - start)) s"
