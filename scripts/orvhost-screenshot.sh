#!/usr/bin/env bash
# Pictures of orvhost as a Windows user sees it: the x86_64 build runs under Wine on a virtual
# X display in a Traditional Chinese setting. Without arguments it saves three: the window with the
# painted toolbar under the menu bar (docs/orvhost-toolbar.png), the same in the sample dark
# theme (docs/orvhost-toolbar-dark.png), and the window with the first menu of the menu bar and
# its first submenu open (docs/orvhost-menu.png).
# Usage: scripts/orvhost-screenshot.sh [output.png] [menu number, 0 = first, -1 = none] [dark]
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"

# Each picture: output, menu to open, theme (light: the samples' own colours; dark: the sample
# dark theme's FormColor.xml in a copy of the sample data).
pictures=()
if [ $# -gt 0 ]; then
    pictures+=("$1" "${2:-0}" "${3:-light}")
else
    pictures+=("$orv_root/docs/orvhost-toolbar.png" -1 light
               "$orv_root/docs/orvhost-toolbar-dark.png" -1 dark
               "$orv_root/docs/orvhost-menu.png" 0 light)
fi

# A font with the Chinese characters the menu shows.
orv_install_missing fonts-wqy-microhei
orv_build mingw-x64 OrvMenu orvhost
host_dir=$orv_root/build/mingw-x64/tools/orvhost
cp "$orv_root/build/mingw-x64/src/frame/OrvMenu.dll" "$host_dir/"

export LANG=zh_TW.UTF-8 LC_ALL=
export WINEPREFIX=$orv_root/build/wine-zh
fresh=0
[ -f "$WINEPREFIX/system.reg" ] || fresh=1
orv_wine_prefix
# A prefix made before the button captions' face (Verdana) was linked gets the links again.
grep -q '^"Verdana"=' "$WINEPREFIX/system.reg" 2>/dev/null || fresh=1
if [ "$fresh" = 1 ]; then
    # Wine's own faces for captions and buttons, and the Chinese font linked behind the faces
    # that menus and dialogs use, as a Traditional Chinese Windows has.
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "/usr/share/wine/fonts/$f" ] && [ ! -f "$fonts/$f" ] && cp "/usr/share/wine/fonts/$f" "$fonts/"
    done
    for face in Tahoma "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI" Verdana; do
        orv_quiet "$orv_logs/wine-reg.log" "$orv_wine" reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
    done
    timeout 120 "$orv_wineserver" -w
fi

dark_data=$orv_root/build/orvhost-dark-data
rm -rf "$dark_data"
cp -r "$orv_root/examples/Data" "$dark_data"
cp "$orv_root/examples/Themes/Dark/FormColor.xml" "$dark_data/FormColor.xml"

# shot OUT MENU THEME: one picture.
shot() {
    local out=$1 menu=$2 theme=$3
    mkdir -p "$(dirname "$out")"
    out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
    rm -f "$out"
    local win_out log
    win_out=$("$orv_wine" winepath -w "$out" 2>/dev/null | tr -d '\r')
    log=$orv_logs/orvhost-screenshot.log
    # A virtual desktop, so that Wine draws the window's caption and frame itself.
    local args=(--window --screenshot "$win_out" --open-menu "$menu")
    if [ "$theme" = dark ]; then
        args+=(--data "$("$orv_wine" winepath -w "$dark_data" 2>/dev/null | tr -d '\r')")
    fi
    (cd "$host_dir" && timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" \
        "$orv_wine" explorer /desktop=orvhost,1024x768 orvhost.exe "${args[@]}") >"$log" 2>&1 || true
    if [ ! -s "$out" ] || [ "$(head -c 8 "$out" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        echo "orvhost-screenshot: no picture was written (log: $log)" >&2
        tail -n 20 "$log" >&2
        return 1
    fi
    echo "orvhost-screenshot: $(grep -m1 '^screenshot:' "$log" | sed 's/^screenshot: //') -> ${out#$orv_root/}"
}

status=0
for ((i = 0; i < ${#pictures[@]}; i += 3)); do
    shot "${pictures[i]}" "${pictures[i + 1]}" "${pictures[i + 2]}" || status=1
done
exit "$status"
