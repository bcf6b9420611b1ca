#!/usr/bin/env bash
# Starts a built program on a virtual X screen, clicks one of its sibling buttons and checks that
# the sibling's window appears, started in its own folder though this one was started elsewhere,
# and the first program ends.
# usage: sibling_switch.sh PROGRAM CAPTION BUTTON_X BUTTON_Y SIBLING_CAPTION
set -euo pipefail
program=$1 caption=$2 x=$3 y=$4 sibling=$5
source "$(dirname "$0")/virtual_screen.sh"

# A click that arrives before the window takes input is lost: clicks the sibling button and
# waits a few seconds for the sibling to show, so that the caller can click again.
click_sibling_button() {
    xdotool mousemove --window "$1" "$x" "$y" click 1 2>/dev/null || true
    poll_until 3 find_shown_window "$sibling" >/dev/null
}

inside() {
    trap stop_virtual_screen EXIT
    cd /
    QT_QPA_PLATFORM=xcb "$program" &
    local pid=$! window sibling_window
    window=$(poll_until --while $pid 30 find_shown_window "$caption") ||
        { echo "no window captioned '$caption'"; exit 1; }
    # Clicks again until the sibling shows, while this program still runs.
    poll_until --while $pid 30 click_sibling_button "$window" || true
    sibling_window=$(poll_until 30 find_shown_window "$sibling") ||
        { echo "no sibling window captioned '$sibling'"; exit 1; }
    # global: the exit trap reads it after this function has returned
    sibling_pid=$(xdotool getwindowpid "$sibling_window")
    trap 'kill $sibling_pid 2>/dev/null || true; stop_virtual_screen' EXIT
    local folder
    folder=$(dirname "$(readlink -f "$program")")
    [[ $(readlink "/proc/$sibling_pid/cwd") == "$folder" ]] ||
        { echo "the sibling runs in $(readlink "/proc/$sibling_pid/cwd"), not in $folder"; exit 1; }
    if poll_until 10 process_ended $pid; then
        wait $pid && status=0 || status=$?
        echo "switched from '$caption' to '$sibling', first program ended with status $status"
        exit "$status"
    fi
    echo "'$caption' is still running after the switch"
    kill $pid
    exit 1
}

start_virtual_screen
inside
