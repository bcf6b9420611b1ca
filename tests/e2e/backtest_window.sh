#!/usr/bin/env bash
# End-to-end: 「照合」 opened from the window's surface menu, under a window manager, on a data
# folder prepared with the worked example of the prediction (draws 1232 to 1235 in two weekly
# files). The dialog must come up as the active window captioned "照合", hold the one evaluated
# draw as its copy button puts it on the clipboard, close on Escape and hand the keys back to the
# program's window.
# usage: backtest_window.sh PROGRAM CAPTION   (the 7-number program)
set -euo pipefail
program=$1 caption=$2
source "$(dirname "$0")/virtual_screen.sh"
source "$(dirname "$0")/window_text.sh"

readonly kDialogCaption="照合"
# The table's line of draw 1235: its numbers, the hits of the high-pressure list, the
# low-pressure list and both, the front and back keys.
readonly kExpectedLine=$'1235\t1 5 9 14 25 30 37\t3\t2\t4\t1\t0'

make_work_folder() {
    make_program_folder backtest-window rkk7data
    quoted_record 3 11 17 22 28 31 36 1 5 9 14 20 26 33 2 7 12 19 24 30 35 1234 \
        >"$data/7R1234kai.dat"
    quoted_record 1 5 9 14 25 30 37 3 11 17 22 28 31 36 1 5 9 14 20 26 33 1235 \
        >"$data/7R1235kai.dat"
}

clipboard_holds_table() { [[ $(clipboard) == *"$kExpectedLine"* ]]; }

inside() {
    trap clean_up EXIT
    make_work_folder
    start_window_manager "$work/window-manager.log"
    start_program_copy
    xdotool mousemove --window "$main_window" "${kEmptySurface[@]}" click 3
    wait_until "context menu" menus_open_at_least "$main_window" "$(basename "$program")" 1
    xdotool key s
    wait_for_active_dialog "$kDialogCaption"
    xdotool key alt+c
    wait_until "the evaluated draw on the clipboard" clipboard_holds_table
    xdotool key Escape
    wait_for_return_to_window "$kDialogCaption"
    say "「照合」 opened from the menu, showed draw 1235 and closed back into the window"
}

start_virtual_screen
inside
