#!/usr/bin/env bash
# End-to-end: saving and loading that fail, in a built program driven through its own window and
# file dialogs on a virtual X screen. In every case the program must tell the user in a message
# box captioned "エラー発生", keep running with its window, leave the entered draws as they were
# and leave the files on disk as they were.
#
# usage: file_failures.sh CASE PROGRAM CAPTION REPLACE_ON_OPEN_LIBRARY
# CASE is one of:
#   read_only_folder     save a new file into a data folder that cannot be written
#   read_only_file       save over an existing file that cannot be written
#   folder_as_save_file  save over a file that a folder replaced while the overwrite question was up
#   vanished_file        load a file that is removed between the file dialog and the reading
#   folder_as_load_file  load a file that a folder replaces between the file dialog and the reading
#   huge_file            load a 100 MB file: quickly refused, having read only its start
#   random_bytes         load a file of random bytes
#   named_pipe           load a named pipe that nothing writes to: refused, without waiting
#   extra_fields         load a record followed by more fields, as a hand-edited file has: unlike
#                        the others, this one must load, its extra fields ignored
#
# The program runs from a copy in a private folder, with its data folder beside it. As root, it
# runs as the user nobody, so that read-only files and folders really are read-only to it; the
# copies keep it clear of the build folder, which nobody may not be allowed to enter.
set -euo pipefail
case_name=$1 program=$2 caption=$3 replace_library=$4
source "$(dirname "$0")/virtual_screen.sh"
source "$(dirname "$0")/window_text.sh"
source "$(dirname "$0")/window_boxes.sh"

readonly kErrorCaption="エラー発生"
readonly kSaveDialogCaption="保存"
readonly kLoadDialogCaption="データー選択"

# The draws typed into the window: the most recent first, each as long as the longest row.
readonly kDraws=("3 7 12 18 25 31 36" "1 9 15 22 27 33 35" "4 8 11 19 24 30 37")
readonly kDrawNumbers=(1234 1233 1232)
# An older record that lies in the data folder throughout.
readonly kOlderRecord='"2","5","13","20","26","32","34","6","10","16","21","28","29","36","1","3","9","14","17","23","35","1230"'

readonly kHugeFileSize=100M
readonly kHugeFileReadLimit=$((4 * 1024 * 1024)) # bytes the program may read meanwhile
readonly kHugeFileSeconds=5
readonly kRandomFileBlocks=128 # of 32 bytes

# A failure lists the windows on the screen after its message.
fail_lists_windows=yes

# --- The game's layout --------------------------------------------------------------------

app_name=$(basename "$program")
fail_context="$case_name in $app_name"
game_layout "$app_name" || fail "unknown program $program"

# Row 1 as the window's text shows it: the main numbers, then the bonus after "+".
expected_first_row() {
    local numbers
    read -ra numbers <<<"${kDraws[0]}"
    local line="１回前抽選 第${kDrawNumbers[0]}回: ${numbers[*]:0:main_count}"
    ((bonus_count == 0)) || line+=" + ${numbers[*]:main_count:bonus_count}"
    echo "$line"
}

# --- Windows ------------------------------------------------------------------------------

program_running() { kill -0 "$pid" 2>/dev/null; }

# Without a window manager the keys go to the window under the pointer.
keys_to() {
    local window=$1
    shift
    xdotool mousemove --window "$window" 10 10 key "$@"
}


# --- The files ----------------------------------------------------------------------------

# One line per entry of the folder: name, type, size, mode, owner; then a checksum per file.
folder_state() {
    (
        cd "$1"
        find . -mindepth 1 -printf '%p %y %s %m %u\n' | sort
        find . -type f -exec cksum {} + | sort
    )
}

record_file() { printf '%s\r\n\x1a' "$2" >"$1"; }

# Bytes that look random and are the same on every run: the hashes of numbered blocks.
pseudo_random_bytes() {
    local blocks i
    blocks=$(mktemp -d)
    for ((i = 0; i < kRandomFileBlocks; i++)); do
        printf 'block %d' "$i" >"$blocks/$i"
    done
    local hashes
    hashes=$(cd "$blocks" && sha256sum $(seq 0 $((kRandomFileBlocks - 1))) | cut -d' ' -f1)
    rm -r "$blocks"
    printf '%b' "$(tr -d '\n' <<<"$hashes" | sed 's/../\\x&/g')"
}

bytes_read() { sed -n 's/^rchar: //p' "/proc/$pid/io"; }
milliseconds() { echo $(($(date +%s%N) / 1000000)); }

# --- The program --------------------------------------------------------------------------

# As root, the program runs as nobody; the command to put in front of it for that.
program_user_command() {
    program_user=()
    if ((EUID == 0)); then
        id nobody >/dev/null 2>&1 || fail "there is no user nobody to run the program as"
        program_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
    fi
}

# As root the folder goes under /tmp, where nobody can reach it whatever TMPDIR says.
make_work_folder() {
    local parent=${TMPDIR:-/tmp}
    ((EUID != 0)) || parent=/tmp
    work=$(mktemp -d "$parent/file-failures.XXXXXX")
    work=$(cd "$work" && pwd -P)
    chmod 755 "$work"
    bin=$work/bin
    data=$bin/$data_folder_name
    mkdir -p "$data" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    cp "$program" "$bin/"
    cp "$replace_library" "$work/"
    replace_library=$work/${replace_library##*/}
    record_file "$data/${file_prefix}1230kai.dat" "$kOlderRecord"
    target=$data/${file_prefix}${kDrawNumbers[0]}kai.dat
    if [[ -n ${XAUTHORITY:-} ]]; then
        cp "$XAUTHORITY" "$work/Xauthority"
    fi
}

hand_over_to_program_user() {
    ((EUID != 0)) || chown -R nobody: "$work"
}

start_program() {
    local environment=(HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$@")
    [[ ! -e $work/Xauthority ]] || environment+=(XAUTHORITY="$work/Xauthority")
    cd "$work"
    program_user_command
    # Started directly, without a function or subshell between, so that $! is the program.
    "${program_user[@]}" env "${environment[@]}" "$bin/$app_name" &
    pid=$!
    main_window=$(wait_for_window "$caption")
}

fill_boxes() {
    local row k numbers
    for row in 1 2 3; do
        read -ra numbers <<<"${kDraws[row - 1]}"
        for ((k = 1; k <= row_size; k++)); do
            click_at "$(box_centre_x "$k")" "${kRowCentre[row - 1]}"
            xdotool type --delay 2 "${numbers[k - 1]}"
        done
        click_at "$kDrawNumberCentre" "${kRowCentre[row - 1]}"
        xdotool type --delay 2 "${kDrawNumbers[row - 1]}"
    done
    entered_text=$(copy_window_text "$main_window" "$app_name")
    grep -qxF "$(expected_first_row)" <<<"$entered_text" ||
        fail "the typed draws did not reach the boxes; the window shows:"$'\n'"$entered_text"
}

holds_keyboard() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

# Opens the file dialog with the button at x, y, keeps it in `file_dialog` and types the path
# into its file-name field.
choose_in_dialog() {
    local dialog_caption=$1 path=$2 x=$3 y=$4
    click_at "$x" "$y"
    file_dialog=$(wait_for_window "$dialog_caption")
    # Keys typed before the dialog holds the keyboard can be lost, leaving a wrong path.
    wait_until "the keyboard in '$dialog_caption'" holds_keyboard "$file_dialog"
    keys_to "$file_dialog" ctrl+a
    xdotool type --delay 2 "$path"
}

answer_overwrite_question_yes() {
    local question
    question=$(wait_for_window "$kSaveDialogCaption" "$file_dialog")
    keys_to "$question" alt+y
}

# The message must come, and once it is closed the window must still be there, unchanged.
expect_error_message() {
    local box
    box=$(wait_for_window "$kErrorCaption")
    find_shown_window "$caption" >/dev/null || fail "the window went away while the message was up"
    if ! no_shown_window "$kSaveDialogCaption" || ! no_shown_window "$kLoadDialogCaption"; then
        fail "a file dialog is still up beside the message"
    fi
    keys_to "$box" Return
    wait_until "closing of the message" no_shown_window "$kErrorCaption"
    local window_text
    window_text=$(copy_window_text "$main_window" "$app_name")
    [[ $window_text == "$entered_text" ]] ||
        fail "the boxes changed; before:"$'\n'"$entered_text"$'\n'"after:"$'\n'"$window_text"
    find_shown_window "$caption" >/dev/null || fail "the window is gone after the message"
    program_running || fail "the program ended after the message"
}

# The data folder as it was, but for the named entry where one is given.
expect_folder_state() {
    local before=$1 except=${2:-}
    local now
    now=$(folder_state "$data")
    if [[ -n $except ]]; then
        before=$(grep -vF "$except" <<<"$before")
        now=$(grep -vF "$except" <<<"$now")
    fi
    [[ $now == "$before" ]] || fail "the data folder changed; before:"$'\n'"$before"$'\n'"after:"$'\n'"$now"
}

# --- The cases ----------------------------------------------------------------------------

read_only_folder() {
    hand_over_to_program_user
    chmod a-w "$data"
    start_program
    fill_boxes
    local before
    before=$(folder_state "$data")
    choose_in_dialog "$kSaveDialogCaption" "$target" "${kSaveButton[@]}"
    xdotool key Return
    expect_error_message
    expect_folder_state "$before"
    [[ ! -e $target ]] || fail "$target was written"
}

read_only_file() {
    record_file "$target" "$kOlderRecord"
    cp "$target" "$work/old"
    hand_over_to_program_user
    chmod a-w "$target"
    start_program
    fill_boxes
    local before
    before=$(folder_state "$data")
    choose_in_dialog "$kSaveDialogCaption" "$target" "${kSaveButton[@]}"
    xdotool key Return
    answer_overwrite_question_yes
    expect_error_message
    cmp "$work/old" "$target" || fail "the read-only file changed"
    expect_folder_state "$before"
}

folder_as_save_file() {
    record_file "$target" "$kOlderRecord"
    hand_over_to_program_user
    start_program
    fill_boxes
    choose_in_dialog "$kSaveDialogCaption" "$target" "${kSaveButton[@]}"
    xdotool key Return
    wait_for_window "$kSaveDialogCaption" "$file_dialog" >/dev/null
    rm "$target"
    mkdir "$target"
    record_file "$target/kept.dat" "$kOlderRecord"
    hand_over_to_program_user
    local before
    before=$(folder_state "$data")
    answer_overwrite_question_yes
    expect_error_message
    expect_folder_state "$before"
}

# The file holds a record that would load: only its going away can make the load fail.
load_replaced_file() {
    record_file "$target" "$kOlderRecord"
    hand_over_to_program_user
    local before
    before=$(folder_state "$data")
    start_program LD_PRELOAD="$replace_library" KELVANE_REPLACE_ON_OPEN="$target" \
        KELVANE_REPLACE_WITH="$1" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
    fill_boxes
    choose_in_dialog "$kLoadDialogCaption" "$target" "${kLoadButton[@]}"
    xdotool key Return
    expect_error_message
    expect_folder_state "$before" "${target##*/}"
}

vanished_file() {
    load_replaced_file nothing
    [[ ! -e $target ]] || fail "$target was never taken away: the program did not open it"
}

folder_as_load_file() {
    load_replaced_file folder
    [[ -d $target ]] || fail "no folder took the place of $target: the program did not open it"
}

huge_file() {
    printf '"' >"$target"
    truncate -s "$kHugeFileSize" "$target"
    hand_over_to_program_user
    start_program
    fill_boxes
    local before
    before=$(folder_state "$data")
    choose_in_dialog "$kLoadDialogCaption" "$target" "${kLoadButton[@]}"
    local read_before started
    read_before=$(bytes_read)
    started=$(milliseconds)
    xdotool key Return
    wait_for_window "$kErrorCaption" >/dev/null
    local took=$(($(milliseconds) - started)) read=$(($(bytes_read) - read_before))
    say "refused after $took ms, having read $read bytes"
    ((took < kHugeFileSeconds * 1000)) || fail "the refusal took $took ms"
    ((read < kHugeFileReadLimit)) || fail "the program read $read bytes meanwhile"
    expect_error_message
    expect_folder_state "$before"
}

# Loads the prepared target: the program must refuse it and leave everything as it was.
load_refused() {
    hand_over_to_program_user
    start_program
    fill_boxes
    local before
    before=$(folder_state "$data")
    choose_in_dialog "$kLoadDialogCaption" "$target" "${kLoadButton[@]}"
    xdotool key Return
    expect_error_message
    expect_folder_state "$before"
}

random_bytes() {
    pseudo_random_bytes >"$target"
    load_refused
}

named_pipe() {
    mkfifo "$target"
    load_refused
}

extra_fields() {
    record_file "$target" "$kOlderRecord"',"4321","extra"'
    hand_over_to_program_user
    start_program
    fill_boxes
    choose_in_dialog "$kLoadDialogCaption" "$target" "${kLoadButton[@]}"
    xdotool key Return
    wait_until "closing of the file dialog" no_shown_window "$kLoadDialogCaption"
    local window_text
    window_text=$(copy_window_text "$main_window" "$app_name")
    grep -qxF "１回前抽選 第1230回: 2 5 13 20 26 32 34" <<<"$window_text" ||
        fail "the record did not load; the window shows:"$'\n'"$window_text"
    no_shown_window "$kErrorCaption" || fail "the load was refused"
}

# --- Running ------------------------------------------------------------------------------

inside() {
    case $case_name in
    read_only_folder | read_only_file | folder_as_save_file | vanished_file | \
        folder_as_load_file | huge_file | random_bytes | named_pipe | extra_fields) ;;
    *) fail "unknown case $case_name" ;;
    esac
    trap clean_up EXIT
    make_work_folder
    "$case_name"
    say "$case_name: the program did as the case asks and kept its window"
}

start_virtual_screen
inside
