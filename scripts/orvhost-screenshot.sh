#!/usr/bin/env bash
# A picture of orvhost as a Windows user sees it: the x86_64 build runs under Wine on a virtual
# X display in a Traditional Chinese setting, opens the first menu of its menu bar (and the
# first submenu in it) and saves the window with its open menus as docs/orvhost-menu.png.
# Usage: scripts/orvhost-screenshot.sh [output.png] [menu number, 0 = first]
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"

out=${1:-$orv_root/docs/orvhost-menu.png}
menu=${2:-0}
mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")

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
if [ "$fresh" = 1 ]; then
    # Wine's own faces for captions and buttons, and the Chinese font linked behind the faces
    # that menus and dialogs use, as a Traditional Chinese Windows has.
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    for f in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "/usr/share/wine/fonts/$f" ] && [ ! -f "$fonts/$f" ] && cp "/usr/share/wine/fonts/$f" "$fonts/"
    done
    for face in Tahoma "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
        orv_quiet "$orv_logs/wine-reg.log" "$orv_wine" reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
    done
    timeout 120 "$orv_wineserver" -w
fi

rm -f "$out"
win_out=$("$orv_wine" winepath -w "$out" 2>/dev/null | tr -d '\r')
log=$orv_logs/orvhost-screenshot.log
# A virtual desktop, so that Wine draws the window's caption and frame itself.
args=(--window --screenshot "$win_out")
[ "$menu" = 0 ] || args+=(--open-menu "$menu")
(cd "$host_dir" && timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$orv_wine" explorer /desktop=orvhost,1024x768 orvhost.exe "${args[@]}") >"$log" 2>&1 || true
if [ ! -s "$out" ] || [ "$(head -c 8 "$out" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    echo "orvhost-screenshot: no picture was written (log: $log)" >&2
    tail -n 20 "$log" >&2
    exit 1
fi
echo "orvhost-screenshot: $(grep -m1 '^screenshot:' "$log" | sed 's/^screenshot: //') -> ${out#$orv_root/}"
