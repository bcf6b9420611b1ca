#!/usr/bin/env bash
# End-to-end: where typing goes once a handler's message box or file dialog has closed, in a
# built program under a window manager. The window manager deactivates the window while a dialog
# is up and activates it again once the dialog has gone; the handler's own choice of box must
# hold through that, not the box the user typed in last before pressing the button.
#
# usage: focus_after_dialogs.sh PROGRAM CAPTION
#
# Each case leaves the focus in a box away from the one the handler should choose, presses a
# button, answers its dialog with a key as a user would, and then, without any click, types the
# digit 9. Nothing else in the window holds a 9, so the box that holds it in the window's text is
# the box that had the focus. A last case pastes with the middle mouse button, which only an X
# screen offers. All cases run in one start of the program; each tells its result, and the script
# fails when any case failed.
source "$(dirname "$0")/mark_test_start.sh" "$@"

readonly kDrawNumber=1234
readonly kLoadCaption="データー選択"
readonly kAdvanceCaption="回送り"
readonly kClearRowCaption="クリア"

# A record of three draws without a 9 anywhere: the numbers 1 to 3 * row_size that have none,
# then the draw number.
data_record() {
    local numbers
    mapfile -t numbers < <(seq 1 40 | grep -v "$kMark" | sed -n "1,$((3 * row_size))p")
    printf '"%s",' "${numbers[@]}"
    printf '"%s"' "$kDrawNumber"
}

# --- Waiting and the windows --------------------------------------------------------------

# Answers the dialog of the caption with the keys given once it is the active window.
answer_dialog() {
    local dialog_caption=$1
    shift
    wait_for_active_dialog "$dialog_caption"
    xdotool key "$@"
}

# Types into the dialog's file-name field, which has the focus when the dialog opens.
answer_file_dialog() {
    wait_for_active_dialog "$kLoadCaption"
    xdotool key ctrl+a
    xdotool type --delay 2 "$1"
    xdotool key Return
}

# Clicks into box k of the row (0: the draw number) and types the text there.
type_into() {
    click_box "$1" "$2"
    xdotool type --delay 2 "$3"
}

# --- The program --------------------------------------------------------------------------

make_work_folder() {
    make_program_folder focus-after-dialogs "$data_folder_name"
    data_file=$data/${file_prefix}${kDrawNumber}kai.dat
    printf '%s\r\n\x1a' "$(data_record)" >"$data_file"
}

start_program() {
    start_program_copy
    local window_text marked
    window_text=$(copy_window_text "$main_window" "$app_name")
    marked=$(boxes_with_mark "$kMark" "$window_text")
    [[ -z $marked ]] || fail "$marked holds a $kMark at start:"$'\n'"$window_text"
}

# --- The cases ----------------------------------------------------------------------------

# The user has typed the last box of row 1 and then the draw number.
row_1_and_draw_number_typed() {
    type_into 1 "$row_size" 3
    type_into 1 0 "$kDrawNumber"
}

# 「回送り」, answered with the key.
advance() {
    row_1_and_draw_number_typed
    click_at "${kAdvanceButton[@]}"
    answer_dialog "$kAdvanceCaption" "$1"
    dialog_caption=$kAdvanceCaption expected_box=EDIT1
}

# 「データ」, with the prepared file chosen.
load_file() {
    row_1_and_draw_number_typed
    click_at "${kLoadButton[@]}"
    answer_file_dialog "$data_file"
    dialog_caption=$kLoadCaption expected_box=EDIT1
}

# 「データ」, the dialog cancelled.
load_nothing() {
    row_1_and_draw_number_typed
    click_at "${kLoadButton[@]}"
    answer_dialog "$kLoadCaption" Escape
    dialog_caption=$kLoadCaption expected_box=EDIT1
}

# 「CL」 of the row, answered with the key, after typing into the last box of the next row.
clear_row() {
    local row=$1 key=$2
    type_into $((row % 3 + 1)) "$row_size" 3
    click_at "$clear_centre" "${kRowCentre[row - 1]}"
    answer_dialog "$kClearRowCaption" "$key"
    dialog_caption=$kClearRowCaption expected_box=$(first_box_of_row "$row")
}

readonly kCases=("advance Return" "advance Escape" load_file load_nothing
    "clear_row 1 Return" "clear_row 1 Escape" "clear_row 2 Return" "clear_row 2 Escape"
    "clear_row 3 Return" "clear_row 3 Escape")

# Runs one case and tells where the digit went; counts it in `failed` when it went elsewhere.
run_case() {
    local name=$1 steps
    read -ra steps <<<"$name"
    clear_all
    "${steps[@]}"
    wait_for_return_to_window "$dialog_caption"
    expect_mark_in "$expected_box" "$name"
}

# The X11 middle-button paste of the primary selection obeys the box's rules like typing: text
# with a letter in it is refused whole, digits go in.
middle_button_paste() {
    local text window_text landed
    clear_all
    for text in "abc${kMark}2345" "$kMark"; do
        printf '%s' "$text" | xclip -selection primary -i
        xdotool mousemove --window "$main_window" "$(box_centre_x 2)" "${kRowCentre[0]}" click 2
        window_text=$(copy_window_text "$main_window" "$app_name")
        landed=$(boxes_with_mark "$kMark" "$window_text")
        if [[ $text == "$kMark" && $landed != EDIT2 ]] || [[ $text != "$kMark" && -n $landed ]]; then
            say "FAIL $app_name middle-button paste of '$text': the boxes holding a $kMark: ${landed:-none}"
            failed=$((failed + 1))
            return
        fi
    done
    say "ok   $app_name middle-button paste: letters refused, a digit taken"
}

# --- Running ------------------------------------------------------------------------------

inside() {
    trap clean_up EXIT
    make_work_folder
    start_window_manager "$work/window-manager.log"
    start_program
    failed=0
    local entry
    for entry in "${kCases[@]}"; do
        run_case "$entry"
    done
    middle_button_paste
    ((failed == 0)) || { say "$failed of $((${#kCases[@]} + 1)) cases failed in $app_name"; exit 1; }
    say "all ${#kCases[@]} cases: the digit went where the handler put the focus"
}

start_virtual_screen
inside
