#!/usr/bin/env bash
# Makes the wine prefix of the Windows checks ready: created on first use
# (about 15 s; wine prints nothing of its own later), and the settings of
# prefix.reg.in imported, which is cheap and brings an older prefix up to
# date. Run with WINEPREFIX (and WINEARCH for a 32-bit prefix) set.
#   bash tests/windows/prefix.sh LOADER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
loader=${1:?usage: prefix.sh LOADER}
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEDEBUG=-all

[ -d "$WINEPREFIX" ] || "$loader" cmd /c exit >/dev/null 2>&1 || true
# regedit reads UTF-16; the file is UTF-8 for the people who edit it.
mkdir -p "$WINEPREFIX/drive_c/trelk"
sed 's/$/\r/' "$here/prefix.reg.in" | iconv -f UTF-8 -t UTF-16 \
    >"$WINEPREFIX/drive_c/trelk/prefix.reg"
"$loader" regedit /S 'C:\trelk\prefix.reg' >/dev/null 2>&1
