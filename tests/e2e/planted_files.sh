#!/usr/bin/env bash
# End-to-end: a help document and sibling programs planted in the current directory are never
# opened or started. The program runs alone from a private folder, without its siblings and its
# user guide, from a current directory that holds both documents and all three programs, as
# scripts that leave a mark, with a document opener of the test's own first on the search path.
# 「ヘルプ」 and a sibling button must each say in a message box captioned "エラー発生" that the
# file is missing, and the program must run on.
#
# usage: planted_files.sh PROGRAM CAPTION
set -euo pipefail
program=$1 caption=$2
source "$(dirname "$0")/virtual_screen.sh"

readonly kErrorCaption="エラー発生"
readonly kHelpButton=(588 270)
readonly kSiblingButton=(588 306)

fail_lists_windows=yes
fail_context=$(basename "$program")

click_at() { xdotool mousemove --window "$main_window" "$1" "$2" click 1; }

# Plants the documents and the programs in `work`, the program's current directory.
# shellcheck disable=SC2016 # the planted scripts' own $0 and $@
plant_files() {
    local name
    mkdir "$work/opener"
    printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/opener/xdg-open"
    chmod +x "$work/opener/xdg-open"
    echo '<html>planted</html>' >"$work/RKM67KV.html"
    echo 'planted' >"$work/RKM67KV.chm"
    for name in RK7KLVN RK6KLVN MiniKLVN; do
        printf '#!/bin/sh\necho "$0" >>"%s/started"\n' "$work" >"$work/$name"
        chmod +x "$work/$name"
    done
}

# Clicks the button and expects the missing file's message; closes it.
expect_missing_file_message() {
    click_at "$@"
    wait_for_active_dialog "$kErrorCaption"
    xdotool key Return
    wait_for_return_to_window "$kErrorCaption"
}

trap clean_up EXIT
start_virtual_screen
make_program_folder planted-files rkk7data
plant_files
start_window_manager "$work/openbox.log"
PATH="$work/opener:$PATH" start_program_copy

say "「ヘルプ」 opens nothing from the current directory"
expect_missing_file_message "${kHelpButton[@]}"
say "a sibling button starts nothing from the current directory"
expect_missing_file_message "${kSiblingButton[@]}"

process_ended "$pid" && fail "the program ended"
[[ ! -e $work/opened ]] || fail "a planted document was opened: $(cat "$work/opened")"
[[ ! -e $work/started ]] || fail "a planted program was started: $(cat "$work/started")"
say "PASS"
