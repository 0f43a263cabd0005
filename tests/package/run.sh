#!/usr/bin/env bash
# Checks the Debian package as a user gets it:
#   bash tests/package/run.sh DEB [BUILD_DIR]       (default: build)
# - its metadata and file list (dpkg-deb) and lintian (no errors);
# - as root: apt-get install, trelk_conv from the PATH dumps blink.mot as
#   the build does, the desktop entry's command starts the dialog on a
#   virtual display for a fresh HOME, Esc closes it, and the default
#   settings file is in the per-user start-up directory; then the package
#   is removed again.
# Without root, or where trelk-dump is installed already outside CI, only
# the first part runs, and the closing line says so.
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=${1:?usage: run.sh DEB [BUILD_DIR]}
build=${2:-build}
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 1; }
deb=$(realpath "$deb")

if [ -z "${TRELK_PACKAGE_DISPLAY:-}" ]; then
    # The dialog gets a display of its own, never the user's.
    TRELK_PACKAGE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

passed=0
failed=0
check() {  # check COMMAND...: one check, counted
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $*"
        failed=$((failed + 1))
    fi
}
field() { dpkg-deb -f "$deb" "$1"; }

# Metadata: the version of the project, the libraries found by
# dpkg-shlibdeps, and what a package index shows.
version=$(sed -n 's/^project(TrelkDump VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
check test "$(field Package)" = trelk-dump
check test "$(field Version)" = "$version"
check test "$(basename "$deb")" = "trelk-dump_${version}_$(dpkg --print-architecture).deb"
check test "$(field Section)" = electronics
check test -n "$(field Maintainer)"
check test -n "$(field Description)"
depends=$(field Depends)
for library in libc6 libstdc++6 libwxgtk3.2 libgtk-3-0; do
    check grep -q "$library" <<<"$depends"
done
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/trelk-dump/changelog.gz |
                    gzip -dc | sed -n '1s/^trelk-dump (\([^)]*\)).*/\1/p')
check test "$changelog_version" = "$version"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in usr/bin/trelk_conv usr/bin/trelk-dump usr/lib/trelk-dump/Trelk_Dump \
            usr/share/applications/Trelk_Dump.desktop \
            usr/share/icons/hicolor/{16x16,32x32,48x48}/apps/trelk_dump.png \
            usr/share/doc/trelk-dump/copyright usr/share/doc/trelk-dump/changelog.gz \
            usr/share/man/man1/trelk_conv.1.gz usr/share/man/man1/trelk-dump.1.gz; do
    check grep -qx "\./$file" <<<"$files"
done

# Errors fail the check; warnings and notes are shown.
lintian_tags=$(lintian --info "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$lintian_tags" ] || echo "$lintian_tags"
check test -z "$(grep '^E:' <<<"$lintian_tags")"

# Installing needs root; a trelk-dump installed by someone else stays
# untouched (CI machines are thrown away, so there it is replaced).
reason=
if [ "$(id -u)" -ne 0 ]; then
    reason="not root"
elif [ "$(dpkg-query -W -f='${db:Status-Status}' trelk-dump 2>/dev/null)" = installed ] &&
     [ "${CI:-}" != true ]; then
    reason="trelk-dump is installed already"
fi
if [ -n "$reason" ]; then
    echo "package: $passed passed, $failed failed (inspected with dpkg-deb and lintian; not installed: $reason)"
    [ "$failed" -eq 0 ]
    exit
fi

work=$(mktemp -d)
remove_package() {
    DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq trelk-dump >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap remove_package EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; echo "FAIL: apt-get install $deb"; echo "package: $passed passed, 1 failed"; exit 1; }

# The converter at a prompt, from any directory.
check test "$(command -v trelk_conv)" = /usr/bin/trelk_conv
(cd "$work" && trelk_conv) <examples/blink.mot >"$work/blink.txt"
"$build/bin/trelk_conv" <examples/blink.mot >"$work/blink-build.txt"
check cmp -s "$work/blink.txt" "$work/blink-build.txt"

# The menu: the entry's command, for a user who never ran it before.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/Trelk_Dump.desktop)
check test "$exec_line" = /usr/bin/trelk-dump
home="$work/new user"
mkdir -p "$home"
(cd / && exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" \
     "$exec_line" 2>"$work/stderr") &
dialog_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Trelk Dump$' | head -n1 || true)
closed() { ! kill -0 "$dialog_pid" 2>/dev/null; }
if [ -n "$window" ]; then
    # Esc goes to the window with the keyboard focus. The toolkit settles
    # the focus on one of its controls once idle, so a key pressed too
    # early may be lost: press again while the dialog stays open.
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        sleep 0.5
        xdotool key Escape
        timeout 10 tail --pid="$dialog_pid" -f /dev/null && break
    done
    check closed
else
    check false "no dialog window appeared"
    kill "$dialog_pid" 2>/dev/null || true
fi
wait "$dialog_pid" || true

dir=$home/.local/share/trelk-dump
user=$(id -un)
[ ${#user} -le 15 ] || user=Trelk_Conv
check test "$(stat -c %a "$dir")" = 700
check test "$(readlink "$dir/trelk_conv")" = /usr/bin/trelk_conv
check cmp -s "$dir/$user.dat" tests/settings/default.dat
check test ! -s "$work/stderr"
[ ! -s "$work/stderr" ] || cat "$work/stderr"

remove_package
trap - EXIT
check test ! -e /usr/bin/trelk_conv
check test ! -e /usr/lib/trelk-dump

echo "package: $passed passed, $failed failed (lintian, installed, started from the menu entry, removed)"
[ "$failed" -eq 0 ]
