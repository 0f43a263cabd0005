#!/usr/bin/env bash
# Photographs the Windows front end under wine on a virtual display, in the
# prefix of the Windows checks (IPA P-Gothic for "ＭＳ Ｐゴシック", wine's
# virtual desktop drawing the captions):
#   tests/windows/screenshot.sh [MINGW_BUILD_DIR] [OUT_DIR]
# writes OUT_DIR/dialog.png, dialog-custom.png, menu.png (the window menu
# with the about entry), about.png, message.png, open.png and save.png (the
# file dialogs). MINGW_BUILD_DIR defaults to build-mingw64, OUT_DIR to
# MINGW_BUILD_DIR/screenshots. Build the targets Trelk_Dump, trelk_conv and
# trelk_frontend_check first. Needs xvfb, xdotool, imagemagick and wine64.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=$(cd "${1:-build-mingw64}" && pwd)
out=${2:-$build/screenshots}
check=$build/bin/trelk_frontend_check.exe
[ -f "$check" ] || { echo "no $check: build trelk_frontend_check first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

if [ -z "${TRELK_SCREENSHOT_INNER:-}" ]; then
    TRELK_SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out"
fi

loader=/usr/lib/wine/wine64
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
unset WINEARCH
bash tests/windows/prefix.sh "$loader"
work=$(mktemp -d)
trap 'WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

winpath() { printf 'Z:%s' "${1//\//\\}"; }

shoot() {  # shoot NAME POSE [KEYS]: the pose, keys typed, as OUT_DIR/NAME.png
    local name=$1 pose=$2 keys=${3:-} dir=$work/$1
    mkdir -p "$dir"
    "$loader" "$check" --pose "$pose" "$(winpath "$build/bin")" "$(winpath "$dir")" &
    local pid=$!
    for _ in $(seq 300); do
        [ -e "$dir/ready" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -e "$dir/ready" ]; then
        echo "the pose $pose did not come up" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    # The virtual desktop is the one window wine shows on the display; keys
    # typed there go to the active window.
    local desktop
    desktop=$(xdotool search --name 'Wine desktop' | head -n1)
    if [ -n "$keys" ]; then
        xdotool windowfocus --sync "$desktop" key --window "$desktop" "$keys"
        sleep 0.5
    fi
    import -window "$desktop" "$out/$name.png"
    touch "$dir/done"
    wait "$pid" || true
    echo "$out/$name.png"
}

shoot dialog dialog
shoot dialog-custom custom
shoot menu dialog alt+space
shoot about about
shoot message message
shoot open open
shoot save save
