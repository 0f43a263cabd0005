#!/usr/bin/env bash
# bash LauncherTest.sh BUILD_DIR WORK_DIR BLINK_MOT
# The terminal command trelk-dump, as installed: it must start the front end
# in the user's own start-up directory under the XDG data home (made 0700 on
# first use), with the installed converter linked in as trelk_conv. The
# front end is replaced by a stand-in that notes where it was started.
set -uo pipefail
build=${1:?usage: LauncherTest.sh BUILD_DIR WORK_DIR BLINK_MOT}
work=${2:?}
blink=${3:?}

rm -rf "$work"
mkdir -p "$work"
prefix="$work/pre fix's \$HOME"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }
launcher=$prefix/bin/trelk-dump
converter=$prefix/bin/trelk_conv
cat >"$prefix/lib/trelk-dump/Trelk_Dump" <<'STANDIN'
#!/bin/sh
pwd -P >started-in
printf '%s\n' "$@" >arguments
STANDIN

passed=0
failed=0
case_name=
case_ok=1
end_case() {
    [ -n "$case_name" ] || return 0
    if [ "$case_ok" = 1 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    case_name=
}
begin() {
    end_case
    case_name=$1
    case_ok=1
}
fail() {
    echo "FAIL $case_name: $*"
    case_ok=0
}

# launch HOME XDG_DATA_HOME|-unset ARG...: runs the launcher as a menu would,
# with only these two variables (and PATH) set.
launch() {
    local home=$1 data=$2
    shift 2
    local env=(env -i PATH="$PATH")
    [ "$home" = -unset ] || env+=(HOME="$home")
    [ "$data" = -unset ] || env+=(XDG_DATA_HOME="$data")
    "${env[@]}" "$launcher" "$@" 2>"$work/stderr"
}

# Cases: name | HOME | XDG_DATA_HOME | expected start-up directory.
odd_home="$work/ho me \"\$(touch pwned)\" *;'"
cases=(
    "default|$work/home one|-unset|$work/home one/.local/share/trelk-dump"
    "absolute data home|$work/home two|$work/da ta|$work/da ta/trelk-dump"
    "empty data home|$work/home three||$work/home three/.local/share/trelk-dump"
    "relative data home|$work/home four|rel/data|$work/home four/.local/share/trelk-dump"
    "odd characters|$odd_home|-unset|$odd_home/.local/share/trelk-dump"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name home data expected <<<"$entry"
    begin "$name"
    mkdir -p "$home"
    (cd "$work" && launch "$home" "$data" -x "a b") || { fail "exit status $? ($(cat "$work/stderr"))"; continue; }
    [ -d "$expected" ] || { fail "no directory $expected"; continue; }
    [ "$(cat "$expected/started-in" 2>/dev/null)" = "$(cd "$expected" && pwd -P)" ] ||
        fail "started in '$(cat "$expected/started-in" 2>/dev/null)', not in $expected"
    [ "$(stat -c %a "$expected")" = 700 ] || fail "mode $(stat -c %a "$expected") of $expected"
    [ "$(readlink "$expected/trelk_conv")" = "$converter" ] ||
        fail "trelk_conv links to '$(readlink "$expected/trelk_conv")'"
    "$expected/trelk_conv" <"$blink" | grep -q '^Header Information : "blink.mot"' ||
        fail "the linked converter does not dump blink.mot"
    [ "$(cat "$expected/arguments")" = $'-x\na b' ] || fail "arguments '$(cat "$expected/arguments")'"
    [ ! -e "$work/pwned" ] && [ ! -e "$work/rel" ] || fail "wrote outside the start-up directory"
    [ ! -s "$work/stderr" ] || fail "stderr: $(cat "$work/stderr")"
done

# No usable HOME: a message, and the front end is not started.
for entry in "unset home|-unset" "relative home|home"; do
    IFS='|' read -r name home <<<"$entry"
    begin "$name"
    (cd "$work" && launch "$home" -unset) && fail "started without a usable HOME"
    grep -q 'HOME' "$work/stderr" || fail "no message about HOME: '$(cat "$work/stderr")'"
    [ ! -e "$work/started-in" ] && [ ! -e "$work/home/.local" ] || fail "started or wrote in $work"
done

# A link left by another install is pointed at this one; a converter the
# user put there as a file of their own stays.
begin "stale link"
home="$work/home five"
dir=$home/.local/share/trelk-dump
mkdir -p "$dir"
ln -s /nonexistent/trelk_conv "$dir/trelk_conv"
launch "$home" -unset || fail "exit status $?"
[ "$(readlink "$dir/trelk_conv")" = "$converter" ] || fail "trelk_conv links to '$(readlink "$dir/trelk_conv")'"

begin "own converter"
home="$work/home six"
dir=$home/.local/share/trelk-dump
mkdir -p "$dir"
echo mine >"$dir/trelk_conv"
launch "$home" -unset || fail "exit status $?"
[ ! -L "$dir/trelk_conv" ] && [ "$(cat "$dir/trelk_conv")" = mine ] || fail "the user's trelk_conv was replaced"
[ -e "$dir/started-in" ] || fail "not started"

end_case
echo "launcher: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
