#!/usr/bin/env bash
# Any-size snapshots against Debian's xplanet, in one run:
# - a 3840x2160 wallpaper as a whole process, Duskmap and xplanet in turn,
#   PAIRS times, and the ratio of their median times;
# - the peak resident memory of a 16384x8192 snapshot;
# - the two presets' snapshot times, for comparison with an earlier build
#   given as BASELINE.
#   tools/bench_sizes.sh [BINARY [BASELINE]]    (default: build/duskmap)
# Installs xplanet with apt-get (through sudo when not root) when missing.
set -euo pipefail
binary=$(realpath "${1:-build/duskmap}")
baseline=${2:+$(realpath "$2")}
pairs=${PAIRS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work
unset DISPLAY WAYLAND_DISPLAY
if ! command -v xplanet >/dev/null; then
    sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $sudo apt-get install -y --no-install-recommends xplanet >/dev/null
fi

now_ns() { date +%s%N; }
# seconds COMMAND...: the wall time of one run, in seconds.
seconds() { local t0; t0=$(now_ns); "$@" >/dev/null 2>&1; awk -v n=$(($(now_ns) - t0)) 'BEGIN { printf "%.4f\n", n / 1e9 }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for _ in $(seq "$pairs"); do
    seconds "$binary" --snapshot "$work/duskmap.png" --size 3840x2160 >>"$work/duskmap.times"
    seconds xplanet -projection rectangular -geometry 3840x2160 -num_times 1 \
        -output "$work/xplanet.png" >>"$work/xplanet.times"
done
ours=$(median <"$work/duskmap.times") theirs=$(median <"$work/xplanet.times")
awk -v a="$ours" -v b="$theirs" -v n="$pairs" 'BEGIN {
    printf "3840x2160, median of %d pairs: duskmap %.3f s, xplanet %.3f s: %.2fx its time\n", n, a, b, a / b }'

/usr/bin/time -f %M -o "$work/peak" "$binary" --snapshot "$work/huge.png" --size 16384x8192
awk -v kb="$(cat "$work/peak")" 'BEGIN { printf "16384x8192: peak resident memory %.0f MB\n", kb / 1024 }'

for size in small large; do
    for build in "$binary" ${baseline:+"$baseline"}; do
        for _ in $(seq "$pairs"); do
            seconds "$build" --snapshot "$work/preset.png" --size "$size"
        done | median >"$work/median"
        echo "$size preset, $build: median $(cat "$work/median") s"
    done
done
