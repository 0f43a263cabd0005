#!/usr/bin/env bash
# Photographs the main dialog (and the about box) on a virtual display, so
# anyone can look at the layout without a desktop:
#   tests/dialog/screenshot.sh BUILD_DIR [OUT_DIR]
# writes OUT_DIR/dialog.png, dialog-custom.png, dialog-narrow.png (wide
# texts in the two narrow edits) and about.png (OUT_DIR defaults to
# BUILD_DIR/screenshots). Needs xvfb, xdotool and imagemagick.
set -euo pipefail

build=${1:?usage: screenshot.sh BUILD_DIR [OUT_DIR]}
out=${2:-$build/screenshots}
preview=$build/bin/dialog_preview
[ -x "$preview" ] || { echo "no $preview: build target dialog_preview first" >&2; exit 1; }
mkdir -p "$out"

if [ -z "${TRELK_SCREENSHOT_INNER:-}" ]; then
    # Re-run inside a display of its own.
    TRELK_SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out"
fi

shoot() {  # shoot OUTPUT_FILE PREVIEW_ARGS...
    local file=$1
    shift
    "$preview" "$@" &
    local pid=$!
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        kill "$pid" 2>/dev/null || true
        echo "no window for $file appeared" >&2
        return 1
    fi
    sleep 0.5   # let it paint
    import -window "$window" "$file"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$file"
}

shoot "$out/dialog.png"
shoot "$out/dialog-custom.png" --custom
shoot "$out/dialog-narrow.png" --filler=0G --ext=srec
shoot "$out/about.png" --about
