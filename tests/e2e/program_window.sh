#!/usr/bin/env bash
# Starts a built program on a virtual X screen and finds its window by its caption; checks that
# the window has the program's size. Prints "window '<caption>'" when found.
# usage: program_window.sh PROGRAM CAPTION
set -euo pipefail
program=$1 caption=$2
source "$(dirname "$0")/virtual_screen.sh"

inside() {
    local program=$1 caption=$2
    QT_QPA_PLATFORM=xcb "$program" &
    pid=$! # global: the exit trap reads it after this function has returned
    trap 'kill $pid 2>/dev/null || true; stop_virtual_screen' EXIT
    local size=none
    # A loaded machine may take a while to bring the program up.
    for _ in $(seq 300); do
        if info=$(xwininfo -name "$caption" 2>/dev/null); then
            size="$(sed -n 's/^ *Width: //p' <<<"$info")x$(sed -n 's/^ *Height: //p' <<<"$info")"
            if [[ $size == 648x466 ]]; then
                echo "window '$caption'"
                exit 0
            fi
        fi
        kill -0 $pid 2>/dev/null || { echo "$program ended before its window appeared"; exit 1; }
        sleep 0.1
    done
    echo "no 648x466 window captioned '$caption' (last size seen: $size)"
    exit 1
}
start_virtual_screen
inside "$program" "$caption"
