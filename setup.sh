#!/usr/bin/env bash
# One-step set-up on Debian 12 (run as root, or with sudo available):
#   bash setup.sh example   install what is missing, build the two programs,
#                           dump the bundled examples
#   bash setup.sh package   install what is missing, build, and write the
#                           Debian package dist/trelk-dump_<version>_<arch>.deb
#   bash setup.sh test      install what is missing, build, run every test
#   bash setup.sh windows   install what is missing, build both programs for
#                           32-bit and 64-bit Windows and write
#                           dist/trelk-dump-win32.zip and -win64.zip
set -euo pipefail
cd "$(dirname "$0")"

# What the two programs need to build and to show their dialog.
PROGRAM_PACKAGES=(build-essential cmake pkg-config libwxgtk3.2-dev libgtk-3-dev
                  fonts-ipafont-gothic)
# The Debian package: dpkg-shlibdeps finds the libraries it depends on,
# and CPack tells programs from other files with file.
PACKAGE_PACKAGES=(dpkg-dev file)
# The tests: GoogleTest, a virtual display with a window manager and the
# core X fonts, clang for the fuzzers, the desktop-entry validator, and
# for the package lintian and xdotool, which closes its dialog.
TEST_PACKAGES=(libgtest-dev libgmock-dev libx11-dev libxtst-dev
               xvfb xauth twm xfonts-base clang libclang-rt-14-dev
               desktop-file-utils lintian xdotool)
# The Windows builds and their zip files.
WINDOWS_BUILD_PACKAGES=(cmake g++-mingw-w64-i686 g++-mingw-w64-x86-64 zip)
# wine to run them in the tests, with iconv (libc-bin) for its registry
# file. wine32 (i386) only where the kernel runs 32-bit programs: elsewhere
# its install scripts fail.
WINDOWS_PACKAGES=("${WINDOWS_BUILD_PACKAGES[@]}" wine wine64)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {  # install_missing PACKAGE...
    local missing=() p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

windows_packages() {
    echo "${WINDOWS_PACKAGES[@]}"
    bash tests/windows/runs-32bit.sh && echo wine32:i386
    return 0
}

build() {  # build PRESET
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j"$(nproc)"
}

run_example() {
    for f in examples/*.mot examples/*.hex; do
        [ -e "$f" ] || continue
        echo "=== build/bin/trelk_conv < $f"
        ./build/bin/trelk_conv < "$f" | tr -d '\r'
    done
}

# dist/trelk-dump-win<bits>.zip: the two programs of build-mingw<bits> and
# the short README (UTF-8 with a byte-order mark and CR LF, as Notepad reads
# it on every locale), all at the top of the zip.
make_windows_zip() {  # make_windows_zip BITS
    local zip=$PWD/dist/trelk-dump-win$1.zip staging
    staging=$(mktemp -d)
    cp "build-mingw$1/bin/Trelk_Dump.exe" "build-mingw$1/bin/trelk_conv.exe" "$staging/"
    local version
    version=$(sed -n 's/^project(TrelkDump VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    { printf '\xEF\xBB\xBF'
      sed -e "s/@VERSION@/$version/" -e "s/@PLATFORM@/$1-bit/" -e 's/$/\r/' \
          packaging/windows/README.txt; } >"$staging/README.txt"
    mkdir -p dist
    rm -f "$zip"
    (cd "$staging" && zip -q -X "$zip" Trelk_Dump.exe trelk_conv.exe README.txt)
    rm -rf "$staging"
    echo "$zip"
}

stage() {  # stage TITLE: marks the log with the time spent so far
    echo "=== $1 ($SECONDS s)"
}

make_package() {  # from the programs in build/
    rm -f dist/trelk-dump_*.deb
    cpack --config build/CPackConfig.cmake
}

run_tests() {  # run_tests BUILD_DIR
    # The dialog tests need a display: give the whole run a virtual one.
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$1" --output-on-failure -j2
}

case "${1:-}" in
    example)
        install_missing "${PROGRAM_PACKAGES[@]}"
        # Only the two programs: the test command turns the tests on again.
        cmake --preset default -DTRELK_TESTS=OFF >/dev/null
        cmake --build --preset default -j"$(nproc)" --target trelk_conv Trelk_Dump
        run_example
        ;;
    package)
        install_missing "${PROGRAM_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
        cmake --preset default -DTRELK_TESTS=OFF >/dev/null
        cmake --build --preset default -j"$(nproc)"
        make_package
        ;;
    windows)
        install_missing "${WINDOWS_BUILD_PACKAGES[@]}"
        for bits in 32 64; do
            cmake --preset "mingw$bits" >/dev/null
            cmake --build --preset "mingw$bits" -j"$(nproc)" --target trelk_conv Trelk_Dump
        done
        make_windows_zip 32
        make_windows_zip 64
        ;;
    test)
        # shellcheck disable=SC2046
        install_missing "${PROGRAM_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
                        $(windows_packages)
        stage "build"
        build default
        run_example
        stage "tests"
        run_tests build
        # The package made from that build, installed and started.
        stage "Debian package"
        make_package
        bash tests/package/run.sh dist/trelk-dump_*.deb
        # The same tests once more under AddressSanitizer and UBSan.
        stage "build with AddressSanitizer and UBSan"
        build asan
        stage "tests with AddressSanitizer and UBSan"
        run_tests build-asan
        stage "fuzzing"
        tests/fuzz/smoke.sh
        stage "Windows builds under wine"
        tests/windows/run.sh
        make_windows_zip 32
        make_windows_zip 64
        stage "done"
        ;;
    *)
        echo "usage: bash setup.sh example|package|test|windows" >&2
        exit 2
        ;;
esac
