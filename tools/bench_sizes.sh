#!/usr/bin/env bash
# Any-size snapshots against Debian's xplanet, in one run:
# - a 3840x2160 wallpaper as a whole process, Duskmap and xplanet in turn,
#   PAIRS times, and the ratio of their median times; the same for the
#   azimuthal view, the globe and Mollweide's at 1920x1080 on Berlin;
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

# The views at 1920x1080 on Berlin, xplanet drawing its day and night maps
# with the same shading of the night side, so that both do the same work.
printf '[earth]\nshade=30\nmap=earth.jpg\nnight_map=night.jpg\n' >"$work/xplanet.conf"
for view in azimuthal:azimuthal globe:orthographic mollweide:mollweide; do
    : >"$work/ours" && : >"$work/theirs"
    for _ in $(seq "$pairs"); do
        seconds "$binary" --snapshot "$work/view.png" --size 1920x1080 --projection "${view%:*}" \
            --center 52.52,13.405 --at 2026-06-21T18:40:00Z >>"$work/ours"
        seconds xplanet -config "$work/xplanet.conf" -projection "${view#*:}" -latitude 52.52 \
            -longitude 13.405 -date 20260621.184000 -geometry 1920x1080 -num_times 1 \
            -output "$work/xplanet.png" >>"$work/theirs"
    done
    awk -v v="${view%:*}" -v a="$(median <"$work/ours")" -v b="$(median <"$work/theirs")" 'BEGIN {
        printf "%s 1920x1080: duskmap %.3f s, xplanet %.3f s: %.2fx its time\n", v, a, b, a / b }'
done

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
