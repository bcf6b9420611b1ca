#!/usr/bin/env bash
# Starts a built program on a virtual X screen and finds its window by its caption; checks that
# the window has the program's size. Prints "window '<caption>'" when found.
# usage: program_window.sh PROGRAM CAPTION
set -euo pipefail
program=$1 caption=$2
source "$(dirname "$0")/virtual_screen.sh"

readonly kWindowSize=648x466

# The size of the shown window of the caption, as WIDTHxHEIGHT, or "none" while there is none.
shown_size() {
    local window info
    if ! window=$(find_shown_window "$1") || ! info=$(xwininfo -id "$window" 2>/dev/null); then
        echo none
        return
    fi
    echo "$(sed -n 's/^ *Width: //p' <<<"$info")x$(sed -n 's/^ *Height: //p' <<<"$info")"
}

has_program_size() { [[ $(shown_size "$1") == "$kWindowSize" ]]; }

inside() {
    local program=$1 caption=$2
    QT_QPA_PLATFORM=xcb "$program" &
    pid=$! # global: the exit trap reads it after this function has returned
    trap 'kill $pid 2>/dev/null || true; stop_virtual_screen' EXIT
    local status=0
    # A loaded machine may take a while to bring the program up.
    poll_until --while "$pid" 30 has_program_size "$caption" || status=$?
    ((status != 0)) || { echo "window '$caption'"; exit 0; }
    ((status != 2)) || { echo "$program ended before its window appeared"; exit 1; }
    echo "no $kWindowSize window captioned '$caption' (last size seen: $(shown_size "$caption"))"
    exit 1
}
start_virtual_screen
inside "$program" "$caption"
