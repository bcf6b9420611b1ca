#!/usr/bin/env bash
# End to end, the Windows package under Wine beside the Linux build: each program starts from the
# unzipped package folder on a virtual X screen with a window manager, takes three typed draws,
# fills its candidate lists with 「次回予想」, saves the draws with 「保存」 and, started anew, reads
# them back with 「データ」; then its sibling button starts the sibling from the package. The Linux
# program goes through the same steps but the last; the window's texts and the saved files of the
# two must be the same, byte for byte.
#
# usage: windows_package.sh PACKAGE_FOLDER LINUX_BIN_FOLDER
# WINEPREFIX names the Wine prefix to run the Windows programs in.
set -euo pipefail
package=$(cd "$1" && pwd) linux_bin=$(cd "$2" && pwd)
source "$(dirname "$0")/virtual_screen.sh"
source "$(dirname "$0")/window_text.sh"
source "$(dirname "$0")/window_boxes.sh"

readonly kSaveDialogCaption="保存"
readonly kLoadDialogCaption="データー選択"

# The draws typed into the window: the most recent first, each as long as the longest row.
readonly kDraws=("3 7 12 18 25 31 36" "1 9 15 22 27 33 35" "4 8 11 19 24 30 37")
readonly kDrawNumbers=(1234 1233 1232)

fail_lists_windows=yes
results=$(mktemp -d "${TMPDIR:-/tmp}/windows-package.XXXXXX")

# --- One program, on one system -------------------------------------------------------------

# The game's layout (window_boxes.sh) and the record's file name.
program_layout() {
    game_layout "$1" || fail "unknown program $1"
    record_name=${file_prefix}${kDrawNumbers[0]}kai.dat
}

# A folder of the program's own: the whole unzipped package for Windows, a copy of the program
# with its data folder for Linux.
make_folder() {
    folder=$work/$system-$app
    if [[ $system == windows ]]; then
        cp -r "$package" "$folder"
    else
        mkdir -p "$folder/$data_folder_name"
        cp "$linux_bin/$app" "$folder/"
    fi
    data=$folder/$data_folder_name
}

start_program() {
    if [[ $system == windows ]]; then
        cd "$folder"
        wine "$folder/$app.exe" &
        pid=$!
        main_window=$(wait_for_window "$caption")
        wait_until "active window '$caption'" window_is_active "$main_window"
    else
        program=$linux_bin/$app bin=$folder start_program_copy
    fi
    # The window's popup menus share its window class, whatever the system names it.
    window_class=$(xprop -id "$main_window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
}

# A Windows program ends with the Wine server, which ends every process of the prefix.
stop_program() {
    if [[ $system == windows ]]; then
        wineserver -k
    else
        kill "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
    poll_until 30 no_shown_window "$caption" || fail "the window stayed after the program ended"
    pid=""
}

window_text() { copy_window_text "$main_window" "$window_class"; }

fill_boxes() {
    local row k numbers
    for row in 1 2 3; do
        read -ra numbers <<<"${kDraws[row - 1]}"
        for ((k = 1; k <= row_size; k++)); do
            click_box "$row" "$k"
            xdotool type --delay 2 "${numbers[k - 1]}"
        done
        click_box "$row" 0
        xdotool type --delay 2 "${kDrawNumbers[row - 1]}"
    done
}

holds_keyboard() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# Opens the file dialog with the button at x, y and waits until it holds the keyboard; keys
# typed before that can be lost.
open_file_dialog() {
    local dialog_caption=$1 x=$2 y=$3
    click_at "$x" "$y"
    file_dialog=$(wait_for_window "$dialog_caption" "$main_window")
    wait_until "the keyboard in '$dialog_caption'" holds_keyboard "$file_dialog"
}

# In the package the siblings stand beside the program: the button starts one, and this program
# ends. Wine's processes of the prefix, the sibling among them, end with the Wine server.
switch_to_sibling() {
    click_at "${sibling_button[@]}"
    poll_until 30 find_shown_window "$sibling_caption" >/dev/null ||
        fail "no sibling window '$sibling_caption'"
    poll_until 10 process_ended "$pid" || fail "the program did not end after starting its sibling"
    wineserver -k
    poll_until 30 no_shown_window "$sibling_caption" || fail "the sibling's window stayed"
    pid=""
}

record_saved() { [[ -s $data/$record_name ]] && no_shown_window "$kSaveDialogCaption"; }

# The steps, each leaving what the window or the disk shows in the results folder.
run_steps() {
    system=$1 app=$2
    program_layout "$app"
    fail_context="$app on $system"
    local out=$results/$system-$app
    make_folder

    start_program
    fill_boxes
    window_text >"$out.typed"
    grep -q "第${kDrawNumbers[0]}回: ${kDraws[0]:0:1}" "$out.typed" ||
        fail "the typed draws did not reach the boxes; the window shows:"$'\n'"$(cat "$out.typed")"
    click_at "${kPredictButton[@]}"
    window_text >"$out.predicted"
    grep -q '^高気圧型予想数字: [0-9]' "$out.predicted" && grep -q '^低気圧型予想数字: [0-9]' "$out.predicted" ||
        fail "「次回予想」 left the lists empty; the window shows:"$'\n'"$(cat "$out.predicted")"
    open_file_dialog "$kSaveDialogCaption" "${kSaveButton[@]}"
    # The dialog opens in the data folder with the record's own name.
    xdotool key Return
    wait_until "$record_name saved" record_saved
    cp "$data/$record_name" "$out.dat"
    stop_program

    start_program
    open_file_dialog "$kLoadDialogCaption" "${kLoadButton[@]}"
    # The name box holds "*.dat"; Windows selects it, Wine's dialog leaves the cursor before it.
    xdotool key End shift+Home
    xdotool type --delay 2 "$record_name"
    xdotool key Return
    wait_until "closing of '$kLoadDialogCaption'" no_shown_window "$kLoadDialogCaption"
    window_text >"$out.loaded"
    # The three draws and their numbers: the lines after the title.
    [[ $(sed -n 2,4p "$out.loaded") == "$(sed -n 2,4p "$out.typed")" ]] ||
        fail "「データ」 read back other draws:"$'\n'"$(cat "$out.loaded")"
    say "$app on $system: typed, predicted, saved $record_name, read it back"
    if [[ $system == windows ]]; then
        switch_to_sibling
        say "$app on $system: switched to '$sibling_caption'"
    else
        stop_program
    fi
}

same_on_both() {
    local app=$1 what=$2
    cmp "$results/linux-$app.$what" "$results/windows-$app.$what" >/dev/null ||
        fail "$app: the $what differ between Linux and Windows:"$'\n'"$(diff \
            "$results/linux-$app.$what" "$results/windows-$app.$what" | cat -A)"
}

clean_up_all() {
    clean_up
    [[ -z ${WINEPREFIX:-} ]] || wineserver -k 2>/dev/null || true
    rm -rf "$results"
}

inside() {
    trap clean_up_all EXIT
    work=$(mktemp -d "${TMPDIR:-/tmp}/windows-package-work.XXXXXX")
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    start_window_manager "$work/openbox.log"
    local app
    for app in RK7KLVN RK6KLVN MiniKLVN; do
        fail_context=$app
        run_steps linux "$app"
        run_steps windows "$app"
        same_on_both "$app" predicted
        same_on_both "$app" dat
        same_on_both "$app" loaded
        say "$app: the same window text and the same file bytes on Linux and under Wine"
    done
}

start_virtual_screen
inside
