#!/usr/bin/env bash
# Builds trelk_conv.exe and Trelk_Dump.exe for 32-bit and for 64-bit Windows
# (mingw-w64) from the same sources, and checks them under wine with every
# build this machine can execute:
#  - the converter's end-to-end fixtures, and dumps equal to the Linux
#    build's, byte for byte, on the bundled examples and on a generated load
#    file in both formats;
#  - the front end, driven through its windows by trelk_frontend_check.exe
#    (FrontEndCheck.cpp) on a virtual display: the default settings file,
#    the dump and parameter file equal to the Linux build's, sort, hostile
#    and Japanese names, a message box, the second start.
#   bash tests/windows/run.sh [LINUX_BUILD_DIR]     (default: build)
#
# The 64-bit build always runs (wine64). The 32-bit build runs where the
# kernel executes 32-bit programs and wine32 is installed; elsewhere it is
# built and reported as not run, which is not a failure.
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build=${1:-build}

if [ -z "${DISPLAY:-}" ] && [ -z "${TRELK_WINDOWS_INNER:-}" ]; then
    # The front end's windows need a display: a virtual one of its own.
    TRELK_WINDOWS_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
linux=$PWD/$linux_build/bin/trelk_conv
[ -x "$linux" ] || { echo "no Linux build at $linux_build (build it first)" >&2; exit 1; }

missing=()
for tool in i686-w64-mingw32-g++ x86_64-w64-mingw32-g++ /usr/lib/wine/wine64 iconv; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "missing: ${missing[*]} (bash setup.sh test installs them)" >&2
    exit 1
fi

build() {  # build PRESET
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --target trelk_conv Trelk_Dump trelk_frontend_check \
        -j"$(nproc)" >/dev/null
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

winpath() {  # winpath ABSOLUTE_PATH: the same file as wine's drive Z: names it
    printf 'Z:%s' "${1//\//\\}"
}

# The front end driven through its windows; its checks count with the rest.
frontend_checks() {  # frontend_checks NAME BUILD_DIR
    local name=$1 bin=$PWD/$2/bin
    local fixtures=$work/$name-fixtures out=$work/$name-frontend
    mkdir -p "$fixtures" "$out"
    cp tests/settings/default.dat tests/run/default.prm examples/blink.mot "$fixtures/"
    # What the Linux build makes of the same input and parameter file.
    "$linux" <examples/blink.mot >"$fixtures/blink.txt" -p"$fixtures/default.prm"
    LC_ALL=C sort <"$fixtures/blink.txt" >"$fixtures/blink-sorted.txt"

    timeout 600 "$loader" "$bin/trelk_frontend_check.exe" "$(winpath "$bin")" \
        "$(winpath "$fixtures")" "$(winpath "$out")" >"$work/frontend.log" 2>&1 || true
    tr -d '\r' <"$work/frontend.log" >"$work/frontend.txt"
    passed=$((passed + $(grep -c '^passed: ' "$work/frontend.txt" || true)))
    failed=$((failed + $(grep -c '^FAILED: ' "$work/frontend.txt" || true)))
    grep '^FAILED: ' "$work/frontend.txt" | sed "s/^FAILED: /FAILED: $name.frontend: /" || true
    if ! grep -qE '^[0-9]+ passed, [0-9]+ failed$' "$work/frontend.txt"; then
        failed=$((failed + 1))
        echo "FAILED: $name.frontend: the check program did not finish"
        sed 's/^/    /' "$work/frontend.txt"
    fi
}

run_checks() {  # run_checks NAME LOADER BUILD_DIR PREFIX [WINEARCH]
    local name=$1 build_dir=$3
    loader=$2 exe=$PWD/$3/bin/trelk_conv.exe
    export WINEPREFIX=$4 WINEDEBUG=-all
    if [ -n "${5:-}" ]; then export WINEARCH=$5; else unset WINEARCH; fi
    # A private prefix, made once, with the fonts and the virtual desktop of
    # prefix.reg.in; one server kept up for the whole run.
    bash tests/windows/prefix.sh "$loader"
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
    frontend_checks "$name" "$build_dir"
}

counts() {
    if [ "$failed" -eq 0 ]; then echo "$passed passed"; else echo "$passed passed, $failed failed"; fi
}

summary=()
status=0
run_checks win64 /usr/lib/wine/wine64 build-mingw64 "$PWD/build-mingw64/wineprefix"
summary+=("win64: $(counts)")
[ "$failed" -eq 0 ] || status=1

obstacle=$(win32_obstacle)
if [ -z "$obstacle" ]; then
    run_checks win32 /usr/lib/wine/wine build-mingw32 "$PWD/build-mingw32/wineprefix" win32
    summary+=("win32: $(counts)")
    [ "$failed" -eq 0 ] || status=1
else
    summary+=("win32: built, not run ($obstacle)")
fi

printf -v line '%s; ' "${summary[@]}"
echo "windows: ${line%; }"
exit $status
