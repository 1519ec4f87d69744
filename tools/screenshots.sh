#!/bin/bash
# screenshots.sh DUSKMAP OUT_PREFIX [TABS]: the window as a user meets it, on
# a private 1366x768 X server, to be looked at: OUT_PREFIX-main.png, -menu.png
# (View), -preferences.png, -goto.png, and with TABS, -tabN.png after each of
# that many presses of Tab. The language, the fonts and the palette come from
# the environment, for example
#     LANGUAGE=en_XA DUSKMAP_TRANSLATIONS=build/tests/app tools/screenshots.sh build/duskmap /tmp/xa
#     QT_FONT_DPI=192 tools/screenshots.sh build/duskmap /tmp/large
set -u
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$home"' EXIT
home=$(mktemp -d)
for _ in $(seq 40); do n=$((200 + RANDOM % 600)); [ -e /tmp/.X11-unix/X$n ] || break; done
Xvfb :$n -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=:$n XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$1" >/dev/null 2>&1 & pids+=($!)
window=$(xdotool search --sync --onlyvisible --pid "${pids[-1]}" | head -1)
shot() { sleep 1.5; import -window root "$2-$1.png"; }
keys() { xdotool windowfocus --sync "$window" key "$@"; }
shot main "$2"
keys alt+v; shot menu "$2"; xdotool key Escape Escape
keys ctrl+comma; shot preferences "$2"; xdotool key Escape
keys ctrl+g; shot goto "$2"; xdotool key Escape
for i in $(seq "${3:-0}"); do keys Tab; shot "tab$i" "$2"; done
