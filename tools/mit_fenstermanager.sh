#!/usr/bin/env bash
# Runs a command on an X display of its own (Xvfb, on a free display number) with a window
# manager (openbox) that frames and places the windows as on a desktop, then takes both
# down again. The command runs with QT_QPA_PLATFORM=xcb and never sees the caller's display.
# Usage: tools/mit_fenstermanager.sh COMMAND [ARGS...]
set -euo pipefail

for programm in Xvfb openbox xprop xdotool; do
    if ! command -v "$programm" >/dev/null; then
        echo "$programm is missing (tools/setup.sh installs it)" >&2
        exit 1
    fi
done

ordner=$(mktemp -d)
xvfb=
wm=
aufraeumen() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT
trap 'exit 143' INT TERM

# Xvfb chooses a free display and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ordner/anzeige" \
    >"$ordner/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$ordner/anzeige" ] && break
    sleep 0.1
done
if [ ! -s "$ordner/anzeige" ]; then
    echo "Xvfb did not start:" >&2
    cat "$ordner/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(tr -d '\n' <"$ordner/anzeige")"
unset WAYLAND_DISPLAY XAUTHORITY

openbox --sm-disable >"$ordner/openbox.log" 2>&1 &
wm=$!
# The window manager is at work once it has announced itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "openbox did not start:" >&2
    cat "$ordner/openbox.log" >&2
    exit 1
fi

export QT_QPA_PLATFORM=xcb
# libxkbcommon-x11 copies X atom names, which carry a length and no terminating zero, with
# strndup; the sanitizer's strict string checks take that for a read past the end.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
export XDG_RUNTIME_DIR="$ordner"
status=0
timeout --kill-after=10 240 "$@" || status=$?
exit "$status"
