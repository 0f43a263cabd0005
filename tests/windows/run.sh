#!/usr/bin/env bash
# Builds trelk_conv.exe for 32-bit Windows (mingw-w64), runs the converter's
# end-to-end fixtures against it under wine, and checks that the Windows and
# the Linux build give byte-identical dumps of the bundled examples and of a
# generated load file in both formats.
#   bash tests/windows/run.sh [LINUX_BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build=${1:-build}

need=()
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686)
if ! command -v wine >/dev/null || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    need+=(wine wine32:i386)
fi
if [ ${#need[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}"
fi

cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target trelk_conv -j"$(nproc)"
exe=$PWD/build-mingw32/bin/trelk_conv.exe
linux=$PWD/$linux_build/bin/trelk_conv
[ -x "$linux" ] || { echo "no Linux build at $linux_build (build it first)" >&2; exit 1; }

# A private wine prefix, made once, so wine prints nothing of its own later.
export WINEPREFIX=${WINEPREFIX:-$PWD/build-mingw32/wineprefix}
export WINEDEBUG=-all
[ -d "$WINEPREFIX" ] || wine cmd /c exit >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 || true   # keep one server up for the whole run

work=$(mktemp -d)
trap 'rm -rf "$work"; wineserver -k >/dev/null 2>&1 || true' EXIT

passed=0; failed=0
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@" >"$work/log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1)); echo "FAILED: $name"; sed 's/^/    /' "$work/log"
    fi
}

fixtures=tests/converter/fixtures
for input in "$fixtures"/*.input; do
    name=$(basename "$input" .input)
    check "e2e.$name" cmake -DCONVERTER="wine;$exe" -DFIXTURES="$PWD/$fixtures" \
        -DNAME="$name" -DWORK="$work/$name" -P tests/converter/RunFixture.cmake
done

same_dump() {  # same_dump INPUT: Linux and Windows builds give the same bytes
    "$linux" <"$1" >"$work/linux.out"
    wine "$exe" <"$1" >"$work/windows.out"
    cmp "$work/linux.out" "$work/windows.out"
}
for example in examples/*.mot examples/*.hex; do
    check "identical.$(basename "$example")" same_dump "$example"
done
gen=$PWD/$linux_build/bin/trelk_loadgen
if [ -x "$gen" ]; then
    "$gen" srec 2 "$work/gen.mot" 7 >/dev/null
    "$gen" ihex 2 "$work/gen.hex" 7 >/dev/null
    check identical.generated.mot same_dump "$work/gen.mot"
    check identical.generated.hex same_dump "$work/gen.hex"
fi

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
