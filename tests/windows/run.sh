#!/usr/bin/env bash
# Builds trelk_conv.exe for 32-bit and for 64-bit Windows (mingw-w64) from the
# same sources, runs the converter's end-to-end fixtures under wine with every
# build this machine can execute, and checks that those dumps equal the Linux
# build's, byte for byte, on the bundled examples and on a generated load file
# in both formats.
#   bash tests/windows/run.sh [LINUX_BUILD_DIR]     (default: build)
#
# The 64-bit build always runs (wine64). The 32-bit build runs where the
# kernel executes 32-bit programs and wine32 is installed; elsewhere it is
# built and reported as not run, which is not a failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build=${1:-build}
linux=$PWD/$linux_build/bin/trelk_conv
[ -x "$linux" ] || { echo "no Linux build at $linux_build (build it first)" >&2; exit 1; }

missing=()
for tool in i686-w64-mingw32-g++ x86_64-w64-mingw32-g++ /usr/lib/wine/wine64; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "missing: ${missing[*]} (bash setup.sh test installs them)" >&2
    exit 1
fi

build() {  # build PRESET
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --target trelk_conv -j"$(nproc)" >/dev/null
}
build mingw32
build mingw64

# Why the 32-bit build cannot run here, or nothing when it can.
win32_obstacle() {
    if ! bash tests/windows/runs-32bit.sh; then
        echo "this kernel runs no 32-bit programs"
    elif [ ! -x /usr/lib/wine/wine ]; then
        echo "wine32 is not installed"
    fi
}

work=$(mktemp -d)
servers=()
stop_servers() {
    for prefix in "${servers[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
    rm -rf "$work"
}
trap stop_servers EXIT

passed=0; failed=0
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@" >"$work/log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1)); echo "FAILED: $name"; sed 's/^/    /' "$work/log"
    fi
}

same_dump() {  # same_dump INPUT: the Linux and the Windows build give the same bytes
    "$linux" <"$1" >"$work/linux.out"
    "$loader" "$exe" <"$1" >"$work/windows.out"
    cmp "$work/linux.out" "$work/windows.out"
}

run_checks() {  # run_checks NAME LOADER EXE PREFIX [WINEARCH]
    local name=$1
    loader=$2 exe=$3
    export WINEPREFIX=$4 WINEDEBUG=-all
    if [ -n "${5:-}" ]; then export WINEARCH=$5; else unset WINEARCH; fi
    # A private prefix, made once, so wine prints nothing of its own later;
    # one server kept up for the whole run.
    [ -d "$WINEPREFIX" ] || "$loader" cmd /c exit >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 || true
    servers+=("$WINEPREFIX")

    passed=0; failed=0
    local fixtures=tests/converter/fixtures input example
    for input in "$fixtures"/*.input; do
        local fixture
        fixture=$(basename "$input" .input)
        check "$name.e2e.$fixture" cmake -DCONVERTER="$loader;$exe" -DFIXTURES="$PWD/$fixtures" \
            -DNAME="$fixture" -DWORK="$work/$name-$fixture" -P tests/converter/RunFixture.cmake
    done
    for example in examples/*.mot examples/*.hex; do
        check "$name.identical.$(basename "$example")" same_dump "$example"
    done
    local gen=$PWD/$linux_build/bin/trelk_loadgen
    if [ -x "$gen" ]; then
        "$gen" srec 2 "$work/gen.mot" 7 >/dev/null
        "$gen" ihex 2 "$work/gen.hex" 7 >/dev/null
        check "$name.identical.generated.mot" same_dump "$work/gen.mot"
        check "$name.identical.generated.hex" same_dump "$work/gen.hex"
    fi
}

counts() {
    if [ "$failed" -eq 0 ]; then echo "$passed passed"; else echo "$passed passed, $failed failed"; fi
}

summary=()
status=0
run_checks win64 /usr/lib/wine/wine64 "$PWD/build-mingw64/bin/trelk_conv.exe" "$PWD/build-mingw64/wineprefix"
summary+=("win64: $(counts)")
[ "$failed" -eq 0 ] || status=1

obstacle=$(win32_obstacle)
if [ -z "$obstacle" ]; then
    run_checks win32 /usr/lib/wine/wine "$PWD/build-mingw32/bin/trelk_conv.exe" \
        "$PWD/build-mingw32/wineprefix" win32
    summary+=("win32: $(counts)")
    [ "$failed" -eq 0 ] || status=1
else
    summary+=("win32: built, not run ($obstacle)")
fi

printf -v line '%s; ' "${summary[@]}"
echo "windows: ${line%; }"
exit $status
