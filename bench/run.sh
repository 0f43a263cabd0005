#!/usr/bin/env bash
# Converter benchmark: trelk_conv against srec_cat -hex-dump and objcopy + xxd
# on the same generated load files. See bench/README.md.
#
#   bench/run.sh [--runs N] [--quick] [--conv PROGRAM] [BUILD_DIR]
#
#   BUILD_DIR   build tree to use (default: <repo>/build); configured first if
#               it holds no CMakeCache.txt, then trelk_conv and trelk_loadgen
#               are brought up to date in it
#   --runs N    timed runs per command at least (default 3; fast commands run
#               as often as fits in about 3 s), the best counts
#   --quick     skip the peers on the 250 MB file (the slowest part)
#   --conv P    time program P instead of BUILD_DIR/bin/trelk_conv
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
data="$here/data"
build="$repo/build"
runs=3
quick=0
conv=""

die() { echo "run.sh: $*" >&2; exit 1; }

while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=${2:?--runs needs a number}; shift 2 ;;
        --quick) quick=1; shift ;;
        --conv) conv=${2:?--conv needs a program}; shift 2 ;;
        -h|--help) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) die "unknown option $1" ;;
        *) build=$1; shift ;;
    esac
done
[[ "$runs" =~ ^[0-9]+$ && "$runs" -ge 3 ]] || die "--runs takes a number of 3 or more"

for tool in hyperfine jq srec_cat objcopy xxd sha256sum cmake; do
    command -v "$tool" >/dev/null || die "$tool is missing (see bench/README.md)"
done
[ -x /usr/bin/time ] || die "/usr/bin/time is missing (Debian package time)"

# --- build ------------------------------------------------------------------
build=$(mkdir -p "$build" && cd "$build" && pwd)
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "configuring $build" >&2
    cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=(trelk_loadgen)
[ -n "$conv" ] || targets+=(trelk_conv)
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null \
    || die "building ${targets[*]} in $build failed"
loadgen="$build/bin/trelk_loadgen"
conv=${conv:-$build/bin/trelk_conv}
conv=$(command -v "$conv") || die "no converter program $conv"
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
sanitize=$(sed -n 's/^TRELK_SANITIZE:[A-Z]*=//p' "$build/CMakeCache.txt")

# --- input files, made once --------------------------------------------------
mkdir -p "$data"
generate() {  # generate FORMAT MEGABYTES FILE
    [ -s "$3" ] && return 0
    echo "generating $3" >&2
    "$loadgen" "$1" "$2" "$3.part" || { rm -f "$3.part"; die "generating $3 failed"; }
    mv "$3.part" "$3"
}
srec25="$data/s3-25mb.mot"
ihex25="$data/ihex-25mb.hex"
srec250="$data/s3-250mb.mot"
generate srec 25 "$srec25"
generate ihex 25 "$ihex25"
generate srec 250 "$srec250"

# Rows 8 and 14 of the front end's presets table, as the front end writes
# them into a parameter file: no final line feed.
printf '%s' '-F=%08X : %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X : %-16s' \
    > "$data/preset08.prm"
printf '%s' '-F=%08x : %02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x : %-16s' \
    > "$data/preset14.prm"

# Outputs go to memory when possible, so that write-back of earlier runs'
# output does not land in later measurements.
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=${TMPDIR:-/tmp}
out=$(mktemp -d "$scratch_parent/trelk-bench.XXXXXX")
trap 'rm -rf "$out"' EXIT

# --- measuring ---------------------------------------------------------------
# Each measured command is an array: program and arguments, then "<" INPUT
# and ">" OUTPUT as its last four words when it reads and writes the
# standard streams.
peak_rss() {  # peak_rss ARGS...  -> KiB of the program's peak resident set
    local n=$# status=0
    if [ $n -ge 4 ] && [ "${@:n-3:1}" = "<" ]; then
        local input=${@:n-2:1} output=${@:n:1}
        /usr/bin/time -f %M -o "$out/rss" "${@:1:n-4}" < "$input" > "$output" || status=$?
    else
        /usr/bin/time -f %M -o "$out/rss" "$@" > /dev/null || status=$?
    fi
    [ $status -eq 0 ] || die "$1 failed (status $status)"
    tail -n 1 "$out/rss"
}

best_time() {  # best_time SHELL-COMMAND OUTPUT...  -> best wall time, mean CPU time
    # Every run writes fresh files: freeing the last run's output is not
    # the measured program's work.
    local command=$1; shift
    hyperfine --style none --min-runs "$runs" --export-json "$out/h.json" \
        --prepare "$(quoted rm -f "$@")" "$command" >/dev/null 2>"$out/h.err" \
        || { cat "$out/h.err" >&2; die "measuring failed: $command"; }
    jq -r '.results[0] | "\(.min) \(.user + .system)"' "$out/h.json"
}

quoted() {  # the arguments as one shell command line; < and > stay operators
    local word line=""
    for word in "$@"; do
        case "$word" in
            "<"|">"|"&&") line+="$word " ;;
            *) line+="$(printf '%q' "$word") " ;;
        esac
    done
    printf '%s' "${line% }"
}

# Results, one entry per row, in measuring order.
row_file=() row_label=() row_time=() row_cpu=() row_rss=()

measure() {  # measure FILE LABEL RSS SHELL-COMMAND OUTPUT...
    echo "  $(basename "$1"): $2" >&2
    local times
    times=$(best_time "${@:4}")
    row_file+=("$1") row_label+=("$2") row_rss+=("$3")
    row_time+=("${times% *}") row_cpu+=("${times#* }")
}

# In each row the untimed run that takes the peak RSS doubles as warm-up.
conv_rows() {  # conv_rows FILE TAG
    local file=$1 tag=$2 name cmd rss
    for name in default preset08 preset14; do
        cmd=("$conv")
        [ "$name" = default ] || cmd+=("-p$data/$name.prm")
        cmd+=("<" "$file" ">" "$out/$tag-$name.txt")
        rss=$(peak_rss "${cmd[@]}")
        measure "$file" "trelk_conv $name" "$rss" "$(quoted "${cmd[@]}")" "$out/$tag-$name.txt"
        sha256sum < "$out/$tag-$name.txt" | sed "s/ .*/  $tag-$name/" >> "$out/digests"
        rm -f "$out/$tag-$name.txt"
    done
}

peer_rows() {  # peer_rows FILE TAG srec|ihex
    local file=$1 tag=$2 kind=$3 cat_cmd copy_cmd rss copy_rss xxd_rss
    if [ "$kind" = srec ]; then
        cat_cmd=(srec_cat "$file" -o "$out/$tag.dump" -hex-dump)
    else
        cat_cmd=(srec_cat "$file" -intel -o "$out/$tag.dump" -hex-dump)
    fi
    copy_cmd=(objcopy -I "$kind" -O binary "$file" "$out/$tag.bin")
    rss=$(peak_rss "${cat_cmd[@]}")
    measure "$file" "srec_cat -hex-dump" "$rss" "$(quoted "${cat_cmd[@]}")" "$out/$tag.dump"
    rm -f "$out/$tag.dump"
    # The pair's peak is the larger of its two programs'; they are timed as one.
    copy_rss=$(peak_rss "${copy_cmd[@]}")
    xxd_rss=$(peak_rss xxd "$out/$tag.bin")
    measure "$file" "objcopy + xxd" "$(( copy_rss > xxd_rss ? copy_rss : xxd_rss ))" \
        "$(quoted "${copy_cmd[@]}" "&&" xxd "$out/$tag.bin" ">" "$out/$tag.xxd")" \
        "$out/$tag.bin" "$out/$tag.xxd"
    rm -f "$out/$tag.bin" "$out/$tag.xxd"
}

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo "measuring, best of $runs or more runs each (takes a few minutes)" >&2
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
conv_rows "$srec25" s3-25
peer_rows "$srec25" s3-25 srec
conv_rows "$ihex25" ihex-25
peer_rows "$ihex25" ihex-25 ihex
conv_rows "$srec250" s3-250
[ "$quick" = 1 ] || peer_rows "$srec250" s3-250 srec

# --- report ------------------------------------------------------------------
megabytes() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1e6 }'; }

# Index of the row for FILE and LABEL, or nothing.
find_row() {
    local i
    for i in "${!row_label[@]}"; do
        if [ "${row_file[$i]}" = "$1" ] && [ "${row_label[$i]}" = "$2" ]; then
            echo "$i"; return
        fi
    done
}

ratio() {  # ratio SLOW FAST -> "12.3x"
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1fx", a / b }'
}

echo
echo "trelk_conv benchmark  $(date '+%Y-%m-%d %H:%M')"
echo "machine: $(nproc) cores, ${cpu:-unknown CPU}; load average $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
echo "converter: $conv (build type ${build_type:-unknown}${sanitize:+, sanitizers $sanitize})"
echo "best of $runs or more runs (cpu: mean user + system time); MB = 10^6 bytes of input;"
echo "ratios are speed-ups of trelk_conv (peer time / trelk_conv time)"
if awk -v l="${load_before%% *}" 'BEGIN { exit !(l >= 1) }'; then
    echo "NOTE: the machine was busy when the run began; wall times suffer more than cpu times"
fi

for file in "$srec25" "$ihex25" "$srec250"; do
    size=$(stat -c %s "$file")
    echo
    echo "$(basename "$file")  ($(megabytes "$file") MB)"
    printf '  %-20s %9s %8s %9s %12s %11s %15s %13s\n' \
        command "best [s]" "cpu [s]" "MB/s" "peak RSS" "/ srec_cat" "/ objcopy+xxd" "time/default"
    cat_row=$(find_row "$file" "srec_cat -hex-dump")
    copy_row=$(find_row "$file" "objcopy + xxd")
    default_row=$(find_row "$file" "trelk_conv default")
    for i in "${!row_label[@]}"; do
        [ "${row_file[$i]}" = "$file" ] || continue
        t=${row_time[$i]}
        vs_cat="" vs_copy="" vs_default=""
        if [[ "${row_label[$i]}" == trelk_conv* ]]; then
            [ -z "$cat_row" ] || vs_cat=$(ratio "${row_time[$cat_row]}" "$t")
            [ -z "$copy_row" ] || vs_copy=$(ratio "${row_time[$copy_row]}" "$t")
            vs_default=$(awk -v a="$t" -v b="${row_time[$default_row]}" 'BEGIN { printf "%.2f", a / b }')
        fi
        printf '  %-20s %9.3f %8.3f %9.1f %8s KiB %11s %15s %13s\n' "${row_label[$i]}" "$t" "${row_cpu[$i]}" \
            "$(awk -v b="$size" -v t="$t" 'BEGIN { printf "%.1f", b / 1e6 / t }')" \
            "${row_rss[$i]}" "$vs_cat" "$vs_copy" "$vs_default"
    done
done

# --- targets -----------------------------------------------------------------
echo
echo "targets (judged on best wall time; the cpu ratio beside is the steadier one on a busy machine)"
verdict() { if awk "BEGIN { exit !($1) }"; then echo ok; else echo MISS; fi; }
for file in "$srec25" "$ihex25" "$srec250"; do
    d=$(find_row "$file" "trelk_conv default")
    c=$(find_row "$file" "srec_cat -hex-dump")
    o=$(find_row "$file" "objcopy + xxd")
    name=$(basename "$file")
    if [ -n "$c" ]; then
        r=$(ratio "${row_time[$c]}" "${row_time[$d]}")
        printf '  %-14s default at least 20x srec_cat:        %-7s %-4s  (cpu %s)\n' "$name" "$r" \
            "$(verdict "${r%x} >= 20")" "$(ratio "${row_cpu[$c]}" "${row_cpu[$d]}")"
        r=$(ratio "${row_time[$o]}" "${row_time[$d]}")
        printf '  %-14s default at least 6x objcopy+xxd:      %-7s %-4s  (cpu %s)\n' "$name" "$r" \
            "$(verdict "${r%x} >= 6")" "$(ratio "${row_cpu[$o]}" "${row_cpu[$d]}")"
    fi
    for preset in preset08 preset14; do
        p=$(find_row "$file" "trelk_conv $preset")
        r=$(awk -v a="${row_time[$p]}" -v b="${row_time[$d]}" 'BEGIN { printf "%.2f", a / b }')
        printf '  %-14s %s within 1.5x of default time: %-7s %-4s  (cpu %.2f)\n' "$name" "$preset" "$r" \
            "$(verdict "$r <= 1.5")" "$(awk -v a="${row_cpu[$p]}" -v b="${row_cpu[$d]}" 'BEGIN { print a / b }')"
    done
done
max_conv_rss() {  # max_conv_rss FILE...  -> largest peak RSS of trelk_conv on them
    local i file max=0
    for i in "${!row_label[@]}"; do
        [[ "${row_label[$i]}" == trelk_conv* ]] || continue
        for file in "$@"; do
            [ "${row_file[$i]}" != "$file" ] || [ "${row_rss[$i]}" -le $max ] || max=${row_rss[$i]}
        done
    done
    echo "$max"
}
small=$(max_conv_rss "$srec25" "$ihex25")
big=$(max_conv_rss "$srec250")
printf '  peak RSS at most 4096 KiB (25 / 250 MB):     %s / %s KiB  %s\n' "$small" "$big" \
    "$(verdict "$small <= 4096 && $big <= 4096")"
# Identical runs of one program differ by up to about 200 KiB here (where
# the loader and the C library happen to touch pages), hence the margin.
printf '  peak RSS the same for 25 MB and 250 MB:      %+d KiB     %s\n' "$((big - small))" \
    "$(verdict "$big - $small <= 256 && $small - $big <= 256")"

# --- output check ------------------------------------------------------------
# Tuning must not change a byte of the dump: compare with the previous run.
echo
previous="$data/conv-digests.txt"
if [ -f "$previous" ] && cmp -s "$previous" "$out/digests"; then
    echo "trelk_conv output: identical to the previous run (all 9 dumps)"
elif [ -f "$previous" ]; then
    echo "trelk_conv output: CHANGED since the previous run:"
    diff "$previous" "$out/digests" | sed -n 's/^> [0-9a-f]*  /  /p'
else
    echo "trelk_conv output: digests recorded for the next run's comparison"
fi
cp "$out/digests" "$previous"
