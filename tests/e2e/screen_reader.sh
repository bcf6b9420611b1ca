#!/usr/bin/env bash
# A screen reader's view of a program under Openbox, read through the desktop's accessibility
# bus: every control has a name and no two alike; the draws typed from the keyboard, 「次回予想」
# pressed with its key from a box, the picture announces its change, names the predicted draw,
# and the picture and both list boxes read the candidate lists.
# The keys follow RK7KLVN's Tab order, seven boxes a row.
# usage: screen_reader.sh RK7KLVN CAPTION
set -euo pipefail
program=$1 caption=$2
source "$(dirname "$0")/virtual_screen.sh"
run_in_private_session_bus "$@"
reader=$(dirname "$0")/screen_reader.py

trap 'stop_accessibility_bus; clean_up' EXIT
work=$(mktemp -d "${TMPDIR:-/tmp}/screen_reader.XXXXXX")
start_virtual_screen
start_window_manager "$work/openbox.log"
start_accessibility_bus
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
main_window=$(wait_for_window "$caption")
wait_until "active window '$caption'" window_is_active "$main_window"

"$reader" names "$caption"

# The Tab order runs through the draw numbers and the rows' boxes; the older draw numbers stay
# empty. Then the button's key, from the last box.
keys=(1 2 3 4 Tab)
for row in 1 2 3; do
    ((row == 1)) || keys+=(Tab)
    for k in 1 2 3 4 5 6 7; do
        number=$(((row - 1) * 7 + k))
        keys+=("${number:0:1}")
        ((number < 10)) || keys+=("${number:1:1}")
        keys+=(Tab)
    done
done
unset 'keys[-1]' # the last box keeps the focus
"$reader" prediction "$caption" xdotool key --delay 5 "${keys[@]}" alt+y
