#!/usr/bin/env bash
# End-to-end: a handler's message box stands over what the handler drew before it asked, under a
# window manager. After a prediction, a number typed twice in row 1 and 「次回予想」 again: while
# the 「予想不可」 box is open, the window already shows the empty pyramids that the handler drew,
# not the numbers of the prediction before.
#
# usage: dialog_over_picture.sh PROGRAM CAPTION SCREEN_REGION
set -euo pipefail
program=$1 caption=$2 screen_region=$3
source "$(dirname "$0")/virtual_screen.sh"
source "$(dirname "$0")/window_boxes.sh"

# The two pyramids with their titles, in client coordinates: the key boxes between them and the
# lists below keep the last prediction's texts.
readonly kHighPyramid=(0 150 240 195)
readonly kLowPyramid=(300 150 240 195)

fail_lists_windows=yes
app_name=$(basename "$program")
fail_context=$app_name
game_layout "$app_name" || fail "unknown program $program"

# Clicks into box k of the row (0: the draw number) and types the text there in place of its own.
type_into() {
    local row=$1 k=$2 text=$3
    click_box "$row" "$k"
    xdotool key ctrl+a
    xdotool type --delay 2 "$text"
}

# The part of the window (X Y WIDTH HEIGHT) as the screen shows it now, into the file.
grab_part() {
    local file=$1 x y
    shift
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    x=$((X + $1)) y=$((Y + $2))
    on_screen "$screen_region" grab "$x" "$y" "$3" "$4" "$file"
}
grab_pyramids() {
    grab_part "$1-high.png" "${kHighPyramid[@]}"
    grab_part "$1-low.png" "${kLowPyramid[@]}"
}

on_screen() { XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 "$@"; }
pixels_apart() { on_screen "$screen_region" differ "$@"; }
differs_from() {
    grab_pyramids "$work/now"
    (($(pixels_apart "$1-high.png" "$work/now-high.png") > 0))
}

trap clean_up EXIT
start_virtual_screen
make_program_folder dialog-over-picture "$data_folder_name"
start_window_manager "$work/openbox.log"
start_program_copy
grab_pyramids "$work/empty"

say "a prediction fills the pyramids"
for row in 1 2 3; do
    for ((k = 1; k <= row_size; k++)); do
        type_into "$row" "$k" $(((row - 1) * row_size + k))
    done
done
type_into 1 0 1234
click_at "${kPredictButton[@]}"
wait_until "the pyramids filled" differs_from "$work/empty"

say "a number typed twice in row 1 stops the next prediction with its message"
type_into 1 2 1
click_at "${kPredictButton[@]}"
wait_for_active_dialog "予想不可"
dialog=$(find_shown_window "予想不可" "$main_window")
grab_pyramids "$work/asking"
eval "$(xdotool getwindowgeometry --shell "$main_window")"
window_x=$X window_y=$Y
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# Each pyramid must be the empty one wherever the box, with its frame, does not stand over it.
readonly kFrame=8
for pyramid in high low; do
    part=(${kHighPyramid[@]})
    [[ $pyramid == high ]] || part=(${kLowPyramid[@]})
    box=($((X - window_x - part[0] - kFrame)) $((Y - window_y - part[1] - 4 * kFrame))
        $((WIDTH + 2 * kFrame)) $((HEIGHT + 5 * kFrame)))
    left_over=$(pixels_apart "$work/empty-$pyramid.png" "$work/asking-$pyramid.png" "${box[@]}")
    ((left_over == 0)) || fail "while the message is open, $left_over pixels of the $pyramid" \
        "pyramid beside it are not those of the empty pyramid"
done
xdotool key Return
wait_until "the message closed" no_shown_window "予想不可"
say "PASS"
