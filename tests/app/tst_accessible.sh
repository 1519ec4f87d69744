#!/bin/bash
# tst_accessible.sh DUSKMAP: the window as a screen reader meets it, on a
# private X server, session bus and accessibility bus, all stopped by PID.
# Every readout says its name and value, every control has a name, and under
# LANGUAGE=de the menus are German; so are the Preferences and the Go to
# dialogs, opened by their keys, whose every field has a German name.
set -u
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$home"' EXIT
home=$(mktemp -d)
for _ in $(seq 40); do n=$((200 + RANDOM % 600)); [ -e /tmp/.X11-unix/X$n ] || break; done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=:$n XDG_CONFIG_HOME=$home QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
export DBUS_SESSION_BUS_ADDRESS; pids+=("$bus")
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
# The window looks for the accessibility bus once, at start.
for _ in $(seq 100); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de "$1" >/dev/null 2>&1 & pids+=($!)
/usr/bin/python3 - <<'PY'
import re, subprocess, sys, time, pyatspi
def walk(a, out):  # the long lists of zones and their items are left out
    out.append((a.getRoleName(), a.name))
    if out[-1][0] not in ("list", "combo box", "table", "tree"):
        for c in a:
            if c is not None:
                walk(c, out)
    return out
def faults(nodes, names):
    found = [f"{r} without a name" for r, n in nodes
             if r in ("push button", "combo box", "slider", "check box", "menu item", "text",
                      "list") and not n]
    return found + [f"nothing is named {name}" for name in names
                    if name not in (n for r, n in nodes)]
def readouts(nodes):
    return [f"no readout reads like {pattern}" for pattern in
            [r"Uhrzeit, \d+:\d\d:\d\d \S+ [+-]\d{4}", r"Datum, \w+, \d+\. \w+ \d{4}",
             r"Sonnenaufgang, .+", r"Breite, .+° .+", r"Länge, .+° .+"]
            if not any(r == "label" and re.fullmatch(pattern, n) for r, n in nodes)]
def until_right(check):  # for the window to come up; no measure of speed
    deadline = time.time() + 60
    while time.time() < deadline:
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "duskmap"]
        found = check(walk(apps[0], []) if apps else [])
        if not found:
            break
        time.sleep(0.2)
    return found
found = until_right(lambda nodes: readouts(nodes) + faults(
    nodes, ["Datei", "Ansicht", "Zeit", "Einstellungen", "Hilfe", "Tag-und-Nacht-Karte"]))
# Each dialog from its key, its fields named in German, and closed.
for key, names in [("ctrl+comma", ["Heimatort und Ziel", "Weltuhr hinzufügen", "Weltuhren"]),
                   ("ctrl+g", ["Gehe zu Datum und Uhrzeit", "Datum und Uhrzeit"])]:
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Duskmap$", "windowfocus",
                    "--sync", "key", key])
    found += until_right(lambda nodes: faults(nodes, names))
    subprocess.run(["xdotool", "key", "Escape"])
print("\n".join(found) or "ok")
sys.exit(1 if found else 0)
PY
