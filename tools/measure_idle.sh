#!/usr/bin/env bash
# Measures what an idle Duskmap window costs: CPU time summed over all its
# threads (/proc/PID/task/*/schedstat) over a span, as a share of one core,
# and its resident memory at the end. Each binary runs in turn on one private
# X server, so that binaries built from two versions compare in one run.
#   tools/measure_idle.sh [--seconds N] BINARY [BINARY...]
set -euo pipefail
seconds=60
if [ "${1:-}" = --seconds ]; then
    seconds=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [--seconds N] BINARY [BINARY...]" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

exec {fd}>"$work/display"
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec {fd}>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(tr -dc '0-9' <"$work/display")
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Nanoseconds of CPU time used so far by every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }

for binary in "$@"; do
    "$binary" >"$work/app.log" 2>&1 &
    app_pid=$!
    sleep 5 # start-up and the first frame are not idle time
    start=$(cpu_ns "$app_pid")
    sleep "$seconds"
    end=$(cpu_ns "$app_pid")
    rss_kb=$(awk '/^VmRSS/ { print $2 }' /proc/"$app_pid"/status)
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    awk -v ns=$((end - start)) -v s="$seconds" -v rss="$rss_kb" -v b="$binary" \
        'BEGIN { printf "%s: %.3f %% of one core over %d s, %.1f MB resident\n", b, ns / (s * 1e7), s, rss / 1024 }'
done
