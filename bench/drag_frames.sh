#!/usr/bin/env bash
# Drags the globe for three seconds as a person would, on a private X server of a laptop's size
# under a window manager, the window zoomed to fill the screen, and reads the frames the map
# presented from its frame log: frames a second and the longest gap between two, during the
# drag; then whether the frame at rest followed.
#   bench/drag_frames.sh DUSKMAP_BINARY [OUTPUT_DIRECTORY [x11|weston]]
# With weston, the map is a Wayland client of Weston's kiosk shell, which fills the screen with
# it; Weston runs on the private X server, whose pointer drives it.
# OUTPUT_DIRECTORY keeps the frame log; with SCREENSHOTS=1 also screenshots taken during the
# drag (which costs it a frame or two) and after it. With LAYERS=1 the grid, the zones' places,
# the range rings and the paths from Berlin to Tokyo are drawn too.
set -u
duskmap=$1 out=${2:-$(mktemp -d)} server=${3:-x11}
mkdir -p "$out"
work=$(mktemp -d) server_pid= wm_pid= app_pid=
trap 'for pid in $app_pid $wm_pid $server_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8
export QT_LOGGING_RULES=duskmap.frames.debug=true QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
mkdir -p "$XDG_CONFIG_HOME/duskmap" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nDefaultTimeZone=Europe/Berlin\n' >"$XDG_CONFIG_HOME/duskmap/duskmap.conf"
[ "${LAYERS-}" = 1 ] && printf '%s\n' ShowLatLon=true ShowLocations=true ShowRangeRings=true \
    'HomePlace="52.52,13.405"' TargetPlace=Tokyo >>"$XDG_CONFIG_HOME/duskmap/duskmap.conf"

exec {display_fd}>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1366x768x24 -nolisten tcp -noreset >"$work/server.log" 2>&1 &
server_pid=$!
exec {display_fd}>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.2; done
export DISPLAY=:$(tr -dc '0-9' <"$work/display")
if [ "$server" = weston ]; then
    # No on-screen keyboard over the map.
    printf '[core]\nidle-time=0\n[input-method]\npath=\n' >"$work/weston.ini"
    weston -c "$work/weston.ini" --backend=x11-backend.so --shell=kiosk-shell.so --use-pixman \
        --width=1366 --height=768 --socket=duskmap-drag >"$work/weston.log" 2>&1 & wm_pid=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/duskmap-drag" ] && break; sleep 0.2; done
    export WAYLAND_DISPLAY=duskmap-drag QT_QPA_PLATFORM=wayland
else
    openbox >/dev/null 2>&1 & wm_pid=$!
fi
"$duskmap" >"$out/frames.log" 2>&1 & app_pid=$!
if [ "$server" = weston ]; then
    for _ in $(seq 100); do grep -q duskmap.frames "$out/frames.log" && break; sleep 0.2; done
    grep -q duskmap.frames "$out/frames.log" || { echo "drag_frames.sh: no frame under Weston" >&2; exit 1; }
    sleep 1
    xdotool key --clearmodifiers ctrl+3
    sleep 2
    X=0 Y=0 WIDTH=1366 HEIGHT=768
else
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Duskmap$' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "drag_frames.sh: the window did not appear" >&2; exit 1; }
    sleep 1
    # Zoomed to fill the screen, then the globe.
    xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+m
    sleep 1
    xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+3
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
fi
cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 3))
xdotool mousemove "$cx" "$cy" mousedown 1
marker=$(wc -l <"$out/frames.log")
# Three seconds of pointer motion, a step every 4 ms, twice round a circle of 150 px, through
# the XTest extension as a pointing device's events arrive.
shot_pid=
[ "${SCREENSHOTS-}" = 1 ] && { (sleep 1.1 && import -window root "$out/during.png") & shot_pid=$!; }
python3 - "$cx" "$cy" <<'EOF'
import ctypes, math, sys, time
x11, xtest = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
display = ctypes.c_void_p(x11.XOpenDisplay(None))
cx, cy = int(sys.argv[1]), int(sys.argv[2])
begin = time.monotonic()
while (t := time.monotonic() - begin) < 3.0:
    a = 2 * math.pi * t / 1.5
    xtest.XTestFakeMotionEvent(display, -1, cx + int(150 * math.sin(a)),
                               cy + int(150 * (1 - math.cos(a))), 0)
    x11.XFlush(display)
    time.sleep(0.004)
x11.XCloseDisplay(display)
EOF
xdotool mouseup 1
sleep 1
[ -n "$shot_pid" ] && wait "$shot_pid"
[ "${SCREENSHOTS-}" = 1 ] && import -window root "$out/after.png"
tail -n +"$((marker + 1))" "$out/frames.log" | grep 'duskmap.frames' >"$out/drag.log"
# From the first draft frame to the last: the gaps between frames as they were presented.
grep draft "$out/drag.log" | awk '
    { for (i = 1; i <= NF; ++i) if ($(i + 1) == "ms" && $(i + 2) == "since") gap = $i
      if (++n > 1) { sum += gap; if (gap > worst) worst = gap } if ($3 + 0 > slowest) slowest = $3 + 0 }
    END { if (n < 2) { print "no drag frames"; exit 1 }
          printf "%d draft frames in %.2f s: %.1f frames a second; longest gap %.1f ms, longest frame %.1f ms\n",
                 n, sum / 1000, (n - 1) * 1000 / sum, worst, slowest }'
grep -v draft "$out/drag.log" | tail -n 1 | sed 's/^/at rest: /'
echo "log and screenshots in $out"
