#!/usr/bin/env bash
# Runs a program on a virtual X display of its own, with a window manager, as on a desktop: focus,
# activation and real input events behave as users see them. The server picks a free display
# number itself, so parallel runs never collide. The screen is 1280 x 800 unless the first
# arguments are --screen WIDTHxHEIGHT.
set -euo pipefail
screen=1280x800
if [ "${1:-}" = --screen ]; then
    screen=$2
    shift 2
fi
dir=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$dir"
}
trap cleanup EXIT
mkfifo "$dir/display" "$dir/manager"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display" 2>"$dir/server.log" &
pids+=($!)
if ! read -r number <"$dir/display" || [ -z "$number" ]; then
    cat "$dir/server.log" >&2
    exit 1
fi
export DISPLAY=":$number"
# The window manager reports through the second pipe once it manages the screen.
openbox --sm-disable --startup "sh -c 'echo ready >$dir/manager'" 2>"$dir/manager.log" &
pids+=($!)
if ! read -r _ <"$dir/manager"; then
    cat "$dir/manager.log" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb "$@"
