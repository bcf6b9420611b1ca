#!/usr/bin/env bash
# Starts a built program on a virtual X screen, clicks one of its sibling buttons and checks that
# the sibling's window appears and the first program ends.
# usage: sibling_switch.sh PROGRAM CAPTION BUTTON_X BUTTON_Y SIBLING_CAPTION
set -euo pipefail
program=$1 caption=$2 x=$3 y=$4 sibling=$5
source "$(dirname "$0")/virtual_screen.sh"

# Waits until a window of that caption is shown, up to the given tenths of a second, and gives
# up early when the process that should show it (the optional third argument) has ended.
wait_for_window() {
    for _ in $(seq "${2:-300}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) &&
            [[ -n $id ]] && return 0
        [[ -z ${3:-} ]] || kill -0 "$3" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

inside() {
    trap stop_virtual_screen EXIT
    QT_QPA_PLATFORM=xcb "$program" &
    local pid=$!
    wait_for_window "$caption" 300 $pid || { echo "no window captioned '$caption'"; exit 1; }
    local window=$id
    # A click that arrives before the window takes input is lost; click again until the
    # sibling shows, while this program still runs.
    for _ in $(seq 10); do
        xdotool mousemove --window "$window" "$x" "$y" click 1 2>/dev/null || true
        wait_for_window "$sibling" 30 && break
        kill -0 $pid 2>/dev/null || break
    done
    wait_for_window "$sibling" || { echo "no sibling window captioned '$sibling'"; exit 1; }
    # global: the exit trap reads it after this function has returned
    sibling_pid=$(xdotool getwindowpid "$id")
    trap 'kill $sibling_pid 2>/dev/null || true; stop_virtual_screen' EXIT
    for _ in $(seq 100); do
        if ! kill -0 $pid 2>/dev/null; then
            wait $pid && status=0 || status=$?
            echo "switched from '$caption' to '$sibling', first program ended with status $status"
            exit "$status"
        fi
        sleep 0.1
    done
    echo "'$caption' is still running after the switch"
    kill $pid
    exit 1
}

start_virtual_screen
inside
