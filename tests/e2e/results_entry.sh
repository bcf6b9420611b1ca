#!/usr/bin/env bash
# End-to-end, under a window manager: 「照合」 takes three one-draw results pages picked at once
# in its file dialog and checks the data folder's draws against them; 「結果から入力」 then fills
# the rows from those files, and again from a results table copied to the clipboard; each time a
# following 「次回予想」 gives the window that typing the same draws by hand gives.
# With KELVANE_SCREENSHOT set, the screen with 「照合」 on the three files is saved there.
# usage: results_entry.sh PROGRAM CAPTION SCREEN_REGION   (the 7-number program)
set -euo pipefail
program=$1 caption=$2 screen_region=$3
source "$(dirname "$0")/virtual_screen.sh"
source "$(dirname "$0")/window_text.sh"
source "$(dirname "$0")/window_boxes.sh"
app_name=$(basename "$program")
game_layout "$app_name" || fail "unknown program $program"

readonly kDialogCaption="照合"
readonly kFileDialogCaption="結果ファイル"
# Draws 1234 to 1236, newest first, as the player would type them.
readonly kDraws=("2 8 13 19 23 29 34" "1 5 9 14 25 30 37" "3 11 17 22 28 31 36")
readonly kLatest=1236
# The table's line of draw 1236 once its results file is read: its numbers and the hits of the
# high-pressure list, the low-pressure list and both.
readonly kExpectedLine=$'1236\t2 8 13 19 23 29 34\t'

# One labelled page per draw, as a lottery publishes them.
results_page() {
    local number=$1 day=$2 numbers
    # shellcheck disable=SC2086 # one argument a number
    numbers=$(printf '%02d,' ${kDraws[kLatest - number]})
    printf '第%s回 RIKO7 抽せん結果\r\n抽せん日,令和8年12月%s日(木)\r\n' "$number" "$day"
    printf '本数字,%sボーナス数字,04,06\r\n1等,1口,600000000円\r\n' "$numbers"
}

# The data files tell draws 1232 to 1235; one results page per draw tells 1234 to 1236.
make_work_folder() {
    make_program_folder results-entry rkk7data
    quoted_record 3 11 17 22 28 31 36 1 5 9 14 20 26 33 2 7 12 19 24 30 35 1234 \
        >"$data/7R1234kai.dat"
    quoted_record 1 5 9 14 25 30 37 3 11 17 22 28 31 36 1 5 9 14 20 26 33 1235 \
        >"$data/7R1235kai.dat"
    results_page 1234 3 >"$data/r1234.csv"
    results_page 1235 10 >"$data/r1235.csv"
    results_page 1236 17 >"$data/r1236.csv"
}

clipboard_holds_table() { [[ $(clipboard) == *"$kExpectedLine"* ]]; }

holds_keyboard() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

pick_three_results_files() {
    xdotool mousemove --window "$main_window" "${kEmptySurface[@]}" click 3
    wait_until "context menu" menus_open_at_least "$main_window" "$app_name" 1
    xdotool key s
    wait_for_active_dialog "$kDialogCaption"
    xdotool key alt+r
    local files
    files=$(wait_for_window "$kFileDialogCaption")
    wait_until "the keyboard in '$kFileDialogCaption'" holds_keyboard "$files"
    xdotool type --delay 2 '"r1234.csv" "r1235.csv" "r1236.csv"'
    xdotool key Return
    wait_until "return to '$kDialogCaption'" no_shown_window "$kFileDialogCaption"
    xdotool key alt+c
    wait_until "draw 1236 of the results files on the clipboard" clipboard_holds_table
    if [[ -n ${KELVANE_SCREENSHOT:-} ]]; then
        QT_ENABLE_HIGHDPI_SCALING=0 QT_QPA_PLATFORM=xcb "$screen_region" grab 0 0 1024 768 \
            "$KELVANE_SCREENSHOT"
    fi
    say "「照合」 read the three results files picked at once"
    stop_a_long_check
    xdotool key Escape
    wait_for_return_to_window "$kDialogCaption"
}

# Results of a hundred thousand draws (after the data files' draws, so that none disagree) take
# seconds to check: the progress comes up over 「照合」, and its 「中止」 (Escape) leaves the check
# on the three files as it was.
stop_a_long_check() {
    awk 'BEGIN { for (n = 2000; n < 101000; n++) { b = n % 30; print n ",2026/1/1," b + 1 "," \
        b + 2 "," b + 3 "," b + 4 "," b + 5 "," b + 6 "," b + 7 } }' >"$data/long.csv"
    local check
    check=$(find_shown_window "$kDialogCaption" "$main_window")
    xdotool key alt+r
    files=$(wait_for_window "$kFileDialogCaption")
    wait_until "the keyboard in '$kFileDialogCaption'" holds_keyboard "$files"
    xdotool type --delay 2 long.csv
    xdotool key Return
    wait_until "active progress over '$kDialogCaption'" progress_active "$check"
    xdotool key Escape
    wait_until "return to '$kDialogCaption'" window_is_active "$check"
    xclip -selection clipboard -i <<<"$kClipboardMark"
    wait_until "mark on the clipboard" clipboard_holds_mark
    xdotool key alt+c
    wait_until "the check as it was on the clipboard" clipboard_holds_table
    [[ $(clipboard) != *$'\n100999\t'* ]] || fail "the stopped check went on to the end"
    say "「中止」 stopped a long check and left 「照合」 as it was"
}

progress_active() {
    local progress
    progress=$(find_shown_window "$kDialogCaption" "$main_window"$'\n'"$1") &&
        window_is_active "$progress"
}

# The submenu of 「結果から入力」 can miss a key when it has only just been mapped.
entry_submenu_open() {
    menus_open_at_least "$main_window" "$app_name" 2 && return
    xdotool key i
    menus_open_at_least "$main_window" "$app_name" 2
}

# Fills the rows with 「結果から入力」's entry of the key given, predicts, and prints the window's text.
# usage: enter_from_results KEY
enter_from_results() (
    set -e
    xdotool mousemove --window "$main_window" "${kEmptySurface[@]}" click 3
    wait_until "context menu" menus_open_at_least "$main_window" "$app_name" 1
    wait_until "「結果から入力」's submenu" entry_submenu_open
    xdotool key "$1"
    wait_until "closing of the menus" menus_closed "$main_window" "$app_name"
    predicted_text
)

predicted_text() {
    click_at "${kPredictButton[@]}"
    copy_window_text "$main_window" "$app_name"
}

typed_prediction() {
    local row k numbers
    for row in 1 2 3; do
        read -ra numbers <<<"${kDraws[row - 1]}"
        for ((k = 1; k <= row_size; k++)); do
            click_box "$row" "$k"
            xdotool type --delay 2 "${numbers[k - 1]}"
        done
    done
    click_box 1 0
    xdotool type --delay 2 "$kLatest"
    predicted_text
}

expect_same_window() {
    [[ $2 == "$typed" ]] && return
    fail "$1 gave"$'\n'"$2"$'\n'"where typing gave"$'\n'"$typed"
}

inside() {
    trap clean_up EXIT
    make_work_folder
    start_window_manager "$work/window-manager.log"
    start_program_copy
    pick_three_results_files

    typed=$(typed_prediction)
    grep -q "^高気圧型予想数字: [0-9]" <<<"$typed" ||
        fail "typing the draws made no prediction:"$'\n'"$typed"
    clear_all
    expect_same_window "「結果から入力」 from the files" "$(enter_from_results r)"
    say "「結果から入力」 from 「照合」's results files predicted as typing does"

    clear_all
    printf '回\t抽せん日\t本数字\n第1236回\t2026年12月17日(木)\t%s\n第1235回\t2026年12月10日(木)\t%s\n第1234回\t2026年12月3日(木)\t%s\n' \
        "${kDraws[0]// /$'\t'}" "${kDraws[1]// /$'\t'}" "${kDraws[2]// /$'\t'}" |
        xclip -selection clipboard -i
    expect_same_window "「結果から入力」 from the clipboard" "$(enter_from_results c)"
    say "「結果から入力」 from a copied results table predicted as typing does"
}

start_virtual_screen
inside
