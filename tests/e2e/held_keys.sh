#!/usr/bin/env bash
# End-to-end: keys held down in a built program under a window manager, with the X server's
# auto-repeat running. While a key is held the server sends it again and again, as a release and
# a press at the same moment; a field-cycle key held for any time must still move the focus by
# one box, and a digit held in a box must go on typing as it does in any edit box.
#
# usage: held_keys.sh PROGRAM CAPTION
#
# Each focus case clicks into a box, holds the key for kHoldSeconds, lets it go and types the
# digit 9; the box that holds the 9 in the window's text is the box that had the focus. All
# cases run in one start of the program; each tells its result, and the script fails when any
# case failed.
source "$(dirname "$0")/mark_test_start.sh" "$@"

readonly kHoldSeconds=1.5
readonly kHeldDigit=7
# A draw-number box takes six digits: a held digit fills it where one press would give one.
readonly kRepeatedDigits=777777

# The server's own auto-repeat, not the client's: the test is about what it sends.
auto_repeat_on() { xset q | grep -q 'auto repeat:  on'; }

# Holds the key given (an xdotool key name, or modifier+key) for kHoldSeconds. A modifier goes
# down first and comes up last, as a user's fingers do.
hold_key() {
    local keys
    IFS=+ read -ra keys <<<"$1"
    xdotool keydown "${keys[@]}"
    sleep "$kHoldSeconds"
    local i
    for ((i = ${#keys[@]} - 1; i >= 0; i--)); do
        xdotool keyup "${keys[i]}"
    done
}

# One case: the key held in box k of the row must leave the focus in the expected box. Counts
# the case in `failed` when the mark went elsewhere.
# usage: held_key_moves_once KEY ROW K EXPECTED_BOX
held_key_moves_once() {
    local key=$1 row=$2 k=$3 expected=$4 from
    cases=$((cases + 1))
    from=$(if ((k == 0)); then echo "the draw number of row $row"; else echo "box $k of row $row"; fi)
    clear_all
    click_box "$row" "$k"
    hold_key "$key"
    expect_mark_in "$expected" "$key held in $from"
}

# A digit held in the draw-number box of row 2 fills it as the key repeats.
held_digit_repeats() {
    local window_text
    cases=$((cases + 1))
    clear_all
    click_box 2 0
    hold_key "$kHeldDigit"
    window_text=$(copy_window_text "$main_window" "$app_name")
    if grep -q "^２回前抽選 第${kRepeatedDigits}回:" <<<"$window_text"; then
        say "ok   $app_name digit $kHeldDigit held in the draw number of row 2: $kRepeatedDigits"
        return
    fi
    say "FAIL $app_name digit $kHeldDigit held in the draw number of row 2 did not repeat up to $kRepeatedDigits"
    grep -E "^２回前抽選" <<<"$window_text" | sed 's/^/    /'
    failed=$((failed + 1))
}

inside() {
    trap clean_up EXIT
    make_program_folder held-keys "$data_folder_name"
    start_window_manager "$work/window-manager.log"
    start_program_copy
    auto_repeat_on || fail "the X server's auto-repeat is off:"$'\n'"$(xset q)"
    failed=0 cases=0
    # The cycle wraps after the last box of row 3 to the draw number of row 1 in the 7- and
    # 6-number games, to the first box in the mini game.
    local after_last=EDIT22
    [[ $app_name != MiniKLVN ]] || after_last=EDIT1
    held_key_moves_once Return 1 1 EDIT2
    held_key_moves_once Return 1 "$row_size" EDIT27
    held_key_moves_once Return 3 "$row_size" "$after_last"
    held_key_moves_once F1 1 3 EDIT4
    held_key_moves_once F12 1 3 EDIT2
    held_key_moves_once shift+Return 1 3 EDIT2
    held_digit_repeats
    ((failed == 0)) || { say "$failed of $cases cases failed in $app_name"; exit 1; }
    say "all $cases cases: a held cycle key moved the focus once, a held digit repeated"
}

start_virtual_screen
inside
