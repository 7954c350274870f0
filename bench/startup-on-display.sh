#!/bin/bash
# Runs the start-up benchmarks on an X display of their own (a virtual X
# server, Xvfb), where a start-up connects to the display, draws and hands
# the window over as it does for a player, and the bare window beside it does
# the same. Usage: bench/startup-on-display.sh <tap_bench> [benchmark flags]
set -euo pipefail
bench=${1:?usage: bench/startup-on-display.sh <path to tap_bench> [benchmark flags]}
shift
command -v Xvfb >/dev/null || { echo "startup-on-display.sh: Xvfb is missing" >&2; exit 2; }

# A display number no other X server holds.
display=90
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
done
Xvfb ":${display}" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && break
    sleep 0.1
done

DISPLAY=":${display}" QT_QPA_PLATFORM=xcb "$bench" \
    --benchmark_filter='ToFirstPaint' "$@"
