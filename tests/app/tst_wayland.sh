#!/usr/bin/env bash
# Opens the window natively on a headless Weston: its first frame is painted,
# and SIGTERM, as a session's logout sends it, ends it with status 0 and its
# frame stored.
#   tst_wayland.sh DUSKMAP_BINARY
set -u
duskmap=$1
. "$(dirname "$0")/checks.sh"
command -v weston >/dev/null || { fail "weston is missing (tools/setup.sh installs it)"; finish; }
work=$(mktemp -d) weston_pid= app_pid=
# At the end, only the processes this script started, by their ids.
trap 'for pid in $app_pid $weston_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT
trap 'exit 1' HUP INT TERM
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config WAYLAND_DISPLAY=duskmap-test QT_QPA_PLATFORM=wayland
export TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_LOGGING_RULES=duskmap.startup.info=true
unset DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_STYLE_OVERRIDE
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston.log" 2>&1 & weston_pid=$!
wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || { fail "Weston starts" "$(cat "$work/weston.log")"; finish; }
"$duskmap" >"$work/duskmap.log" 2>&1 & app_pid=$!
painted() { grep -q '^duskmap.startup: first frame painted' "$work/duskmap.log"; }
if wait_for 20 painted; then pass "the first frame is painted on Wayland"; else fail "the first frame is painted on Wayland" "$(cat "$work/duskmap.log")"; finish; fi
kill -TERM "$app_pid"
ends_cleanly SIGTERM
check "the window's frame is stored" grep -q -x 'MainWindow=@Rect(0 0 720 457)' "$XDG_CONFIG_HOME/duskmap/duskmap.conf"
finish
