#!/usr/bin/env bash
# Runs the program's real window on a private X server and uses it as a person
# would: the map and the readouts must show, a zone chosen in the pop-up from
# the keyboard must reach the preferences file, and Ctrl+Q must end the program
# promptly with status 0.
#   tst_realwindow.sh DUSKMAP_BINARY
set -u

duskmap=$1
# Start-up on a busy two-core machine can take a while; every wait is bounded,
# and all of them together stay under the test's time limit.
startup_timeout_s=20
paint_timeout_s=15
store_timeout_s=10
quit_timeout_s=2
# The zone the preferences start with, and the key that moves the pop-up on.
seeded_zone=Europe/Paris

. "$(dirname "$0")/checks.sh"
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ] && exit 0
    exit 1
}

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        fail "$tool is missing (tools/setup.sh installs it)"
        finish
    fi
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    # Only the processes this script started, by their ids.
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

# now_ms: a monotonic-enough clock for bounding waits, in milliseconds.
now_ms() { date +%s%3N; }

# A private X server on the first free display; it writes the display number
# once it accepts connections.
: >"$work/display"
exec {display_fd}>"$work/display"
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec {display_fd}>&-
deadline=$(($(now_ms) + startup_timeout_s * 1000))
while [ ! -s "$work/display" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do
    sleep 0.1
done
display_number=$(tr -dc '0-9' <"$work/display")
if [ -z "$display_number" ]; then
    fail "Xvfb starts" "$(cat "$work/xvfb.log")"
    finish
fi
export DISPLAY=:$display_number
pass "Xvfb runs on $DISPLAY"

# The program with its own preferences, a pinned zone and the C locale.
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
export TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI QT_STYLE_OVERRIDE WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME/duskmap" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
prefs=$XDG_CONFIG_HOME/duskmap/duskmap.conf
printf '[General]\nDefaultTimeZone=%s\n' "$seeded_zone" >"$prefs"

# The pop-up lists the zones in the order --list-zones prints them.
zones=$("$duskmap" --list-zones 2>/dev/null | cut -f1)
expected_zone=$(printf '%s\n' "$zones" | grep -x -A1 -F "$seeded_zone" | sed -n 2p)
if [ -z "$expected_zone" ]; then
    fail "$seeded_zone and a zone after it are listed by --list-zones" "$zones"
    finish
fi

stored_zone() { sed -n 's/^DefaultTimeZone=//p' "$prefs" 2>/dev/null; }

"$duskmap" >"$work/duskmap.log" 2>&1 &
app_pid=$!

# The main window: visible, titled Duskmap (Qt's own helper windows are not).
window=
deadline=$(($(now_ms) + startup_timeout_s * 1000))
while [ -z "$window" ] && kill -0 "$app_pid" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do
    window=$(xdotool search --onlyvisible --name '^Duskmap$' 2>/dev/null | head -n 1)
    [ -n "$window" ] || sleep 0.2
done
if [ -z "$window" ]; then
    fail "the window appears within ${startup_timeout_s} s" "$(cat "$work/duskmap.log")"
    finish
fi
pass "the window appears"

# window_size: "WIDTH HEIGHT" of the window.
window_size() {
    xdotool getwindowgeometry --shell "$window" 2>/dev/null |
        sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | tr '\n' ' '
}
# fraction IMAGE GEOMETRY THRESHOLD: the share of pixels in a region whose
# grey level is above a threshold, from 0 to 1.
fraction() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold "$3" -format '%[fx:mean]' info:
}
# lit_fraction IMAGE GEOMETRY THRESHOLD: the same for the brightest of the
# three channels, which tells a sunlit ocean (deep blue, near black in grey)
# from the night side.
lit_fraction() {
    convert "$1" -crop "$2" +repage -separate -evaluate-sequence Max -threshold "$3" \
        -format '%[fx:mean]' info:
}
# at_least A B: A >= B for decimal numbers.
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# The map fills the window's width above the readout area, which is the last
# 97 pixels less the menu bar; the readouts' text sits in its lowest 70.
# Painting may trail the mapping of the window, so screenshots are retaken
# until both show or time runs out.
read -r width height <<<"$(window_size)"
map_height=$((height - 97))
map_region=${width}x$((map_height - 40))+0+30
readout_top=$((height - 70))
clock_row=${width}x35+0+$readout_top
sun_row=${width}x35+0+$((readout_top + 35))
shot=$work/window.png
map_ok=false
readouts_ok=false
deadline=$(($(now_ms) + paint_timeout_s * 1000))
while :; do
    if import -window "$window" "$shot" 2>"$work/import.log"; then
        colours=$(convert "$shot" -crop "$map_region" +repage -format '%k' info:)
        lit=$(lit_fraction "$shot" "$map_region" 12%)
        dark=$(awk -v l="$(lit_fraction "$shot" "$map_region" 4%)" 'BEGIN { print 1 - l }')
        # Half the globe is in daylight at any moment and half in night;
        # twilight and city lights take a little from each.
        if [ "$colours" -ge 2000 ] && at_least "$lit" 0.15 && at_least "$dark" 0.15; then
            map_ok=true
        else
            map_ok=false
        fi
        # Light background with dark text in both readout rows.
        readouts_ok=true
        readout_report=
        for row in "$clock_row" "$sun_row"; do
            background=$(fraction "$shot" "$row" 70%)
            ink=$(awk -v l="$(fraction "$shot" "$row" 40%)" 'BEGIN { print 1 - l }')
            readout_report="$readout_report row $row: light $background, dark $ink;"
            if ! at_least "$background" 0.6 || ! at_least "$ink" 0.015; then
                readouts_ok=false
            fi
        done
    fi
    if { $map_ok && $readouts_ok; } || [ "$(now_ms)" -ge "$deadline" ]; then
        break
    fi
    sleep 0.5
done
if $map_ok; then
    pass "the map shows day and night ($colours colours, $lit lit, $dark dark)"
else
    fail "the map shows day and night" \
        "colours ${colours:-?}, lit ${lit:-?}, dark ${dark:-?} in $map_region; $(cat "$work/import.log")"
fi
if $readouts_ok; then
    pass "the readout rows show dark text on a light background"
else
    fail "the readout rows show dark text on a light background" "$readout_report"
fi
if [ "$(stored_zone)" = "$seeded_zone" ]; then
    pass "start-up keeps the stored zone $seeded_zone"
else
    fail "start-up keeps the stored zone $seeded_zone" "found: $(stored_zone)"
fi

# The pop-up holds the keyboard focus when the window becomes active; Down
# chooses the next zone.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers Down
deadline=$(($(now_ms) + store_timeout_s * 1000))
while [ "$(stored_zone)" != "$expected_zone" ] && [ "$(now_ms)" -lt "$deadline" ]; do
    sleep 0.2
done
if [ "$(stored_zone)" = "$expected_zone" ]; then
    pass "Down in the pop-up stores the next zone, $expected_zone"
else
    fail "Down in the pop-up stores the next zone, $expected_zone" "found: $(stored_zone)"
fi

# Quit from the keyboard.
xdotool windowfocus --sync "$window" 2>/dev/null
quit_start=$(now_ms)
xdotool key --clearmodifiers ctrl+q
deadline=$((quit_start + quit_timeout_s * 1000))
while kill -0 "$app_pid" 2>/dev/null && [ "$(now_ms)" -lt "$deadline" ]; do
    sleep 0.05
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "Ctrl+Q ends the program within ${quit_timeout_s} s"
else
    wait "$app_pid"
    status=$?
    quit_ms=$(($(now_ms) - quit_start))
    app_pid=
    if [ "$status" -eq 0 ]; then
        pass "Ctrl+Q ends the program with status 0 (${quit_ms} ms)"
    else
        fail "Ctrl+Q ends the program with status 0" "status $status; $(cat "$work/duskmap.log")"
    fi
fi

finish
