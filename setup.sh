#!/usr/bin/env bash
# One-step set-up on Debian 12 (run as root, or with sudo available):
#   bash setup.sh example   install what is missing, build, dump the bundled examples
#   bash setup.sh test      install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config libgtest-dev libgmock-dev
          libwxgtk3.2-dev libgtk-3-dev libx11-dev libxtst-dev
          xvfb xauth twm fonts-ipafont-gothic clang libclang-rt-14-dev
          desktop-file-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
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

run_tests() {  # run_tests BUILD_DIR
    # The dialog tests need a display: give the whole run a virtual one.
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$1" --output-on-failure -j2
}

case "${1:-}" in
    example)
        install_missing
        build default
        run_example
        ;;
    test)
        install_missing
        build default
        run_example
        run_tests build
        # The same tests once more under AddressSanitizer and UBSan.
        build asan
        run_tests build-asan
        for extra in tests/fuzz/smoke.sh tests/windows/run.sh; do
            [ -x "$extra" ] && "$extra"
        done
        ;;
    *)
        echo "usage: bash setup.sh example|test" >&2
        exit 2
        ;;
esac
