#!/usr/bin/env bash
# Times one day of the large map at 10-minute steps (145 PNG frames) made by
# one time-lapse command against 145 separate `duskmap --snapshot` processes,
# one after another as a shell loop would run them, in the same run.
#   tools/bench_timelapse.sh [BINARY]     (default: build/duskmap)
set -euo pipefail
binary=$(realpath "${1:-build/duskmap}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
unset DISPLAY WAYLAND_DISPLAY
start=2026-06-21T00:00:00Z

now_ns() { date +%s%N; }

t0=$(now_ns)
"$binary" --snapshot "$work/lapse-%03d.png" --from "$start" --to 2026-06-22T00:00:00Z \
    --step 10m --size large 2>/dev/null
t1=$(now_ns)
for i in $(seq 0 144); do
    at=$(date -u -d "$start + $((i * 10)) minutes" +%Y-%m-%dT%H:%M:%SZ)
    "$binary" --snapshot "$work/single-$(printf %03d "$i").png" --at "$at" --size large
done
t2=$(now_ns)

for i in $(seq -f %03g 0 144); do
    cmp -s "$work/lapse-$i.png" "$work/single-$i.png" || { echo "frame $i differs" >&2; exit 1; }
done
awk -v a=$((t1 - t0)) -v b=$((t2 - t1)) 'BEGIN {
    printf "time-lapse: %.2f s; 145 processes: %.2f s; %.1fx faster; frames identical\n", a / 1e9, b / 1e9, b / a }'
