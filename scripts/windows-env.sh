# Shared by the Windows scripts (source it): installs what is missing, builds presets quietly,
# and prepares Wine prefixes under build/.
# shellcheck shell=bash

orv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
orv_logs=$orv_root/build/windows-logs
mkdir -p "$orv_logs"
orv_wine=/usr/lib/wine/wine64
orv_wineserver=/usr/lib/wine/wineserver

# Installs Debian packages for whichever of the needed tools are missing. Extra packages named
# as arguments are installed when missing too.
orv_install_missing() {
    local pkgs=()
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || pkgs+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
    command -v i686-w64-mingw32-g++-posix >/dev/null || pkgs+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
    [ -x "$orv_wine" ] || pkgs+=(wine64)
    command -v xvfb-run >/dev/null || pkgs+=(xvfb)
    command -v xauth >/dev/null || pkgs+=(xauth)
    command -v cmake >/dev/null || pkgs+=(cmake)
    command -v make >/dev/null || pkgs+=(make)
    [ -f /usr/src/googletest/CMakeLists.txt ] || pkgs+=(googletest)
    local p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || pkgs+=("$p")
    done
    [ ${#pkgs[@]} -eq 0 ] && return 0
    if [ "$(id -u)" != 0 ]; then
        echo "windows: missing packages: ${pkgs[*]} (install them as root)" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    { apt-get install -y -q "${pkgs[@]}" || { apt-get update -q && apt-get install -y -q "${pkgs[@]}"; }; } \
        >>"$orv_logs/apt.log" 2>&1 || { echo "windows: could not install ${pkgs[*]} (see $orv_logs/apt.log)" >&2; return 1; }
}

# Runs a command with its output in a log; on failure shows the log's end.
orv_quiet() {
    local log=$1
    shift
    if ! "$@" >"$log" 2>&1; then
        echo "windows: failed: $* (log: $log)" >&2
        tail -n 40 "$log" >&2
        return 1
    fi
}

# Configures and builds targets of a preset: orv_build PRESET TARGET...
orv_build() {
    local preset=$1
    shift
    (cd "$orv_root" && orv_quiet "$orv_logs/configure-$preset.log" cmake --preset "$preset") || return 1
    (cd "$orv_root" && orv_quiet "$orv_logs/build-$preset.log" cmake --build --preset "$preset" -j2 --target "$@")
}

# Creates the Wine prefix in $WINEPREFIX once, and waits until Wine has settled in it.
orv_wine_prefix() {
    export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        orv_quiet "$orv_logs/wineboot.log" timeout 300 "$orv_wine" wineboot -i || return 1
        # A crashing test program must end the run, not wait for a debugger nobody attaches.
        orv_quiet "$orv_logs/wine-reg.log" "$orv_wine" reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 0 /f
        orv_quiet "$orv_logs/wine-reg.log" "$orv_wine" reg delete \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f
    fi
    timeout 120 "$orv_wineserver" -w
}
