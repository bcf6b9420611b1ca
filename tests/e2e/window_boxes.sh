# shellcheck shell=bash
# shellcheck disable=SC2034,SC2154 # its places and layouts are for the scripts that source it, which set the mark, the window and the name
# Sourced by the end-to-end scripts that drive a program's window: where its controls stand, the
# layout of each game (game_layout), clicks into the boxes, and which boxes hold a mark in the
# window's text (window_text.sh reads it). The clicks need the window in `main_window`; the
# mark's helpers need the mark in `kMark`, the program's name in `app_name` and the helpers of
# virtual_screen.sh.

# Client coordinates of the window's controls, the same in every game.
readonly kPredictButton=(588 54)
readonly kAdvanceButton=(588 90)
readonly kClearAllButton=(588 126)
readonly kLoadButton=(588 198)
readonly kSaveButton=(588 234)
readonly kClearAllCaption="全クリア"
readonly kRowCentre=(49 85 121)
readonly kNumberColumnCentre=192 # first number box
readonly kNumberColumnStep=48
readonly kDrawNumberCentre=48

# The layout of a program's game: `main_count` and `bonus_count` numbers to a row, `row_size`
# boxes to a row, the centre of the rows' 「CL」 buttons, the data folder, the prefix of the data
# files' names, where the game has a bonus box standing apart its centre, the window's caption,
# and the sibling button that starts the next program with that program's caption.
# usage: game_layout PROGRAM_NAME (false for a name of no game)
game_layout() {
    bonus_count=0 bonus_centre=
    case $1 in
    RK7KLVN)
        main_count=7 clear_centre=516 data_folder_name=rkk7data file_prefix=7R
        caption="Riko7 Kelvane" sibling_button=(588 306) sibling_caption="Riko6 Kelvane"
        ;;
    RK6KLVN)
        main_count=6 bonus_count=1 bonus_centre=488 clear_centre=528 data_folder_name=rkk6data
        file_prefix=6R caption="Riko6 Kelvane" sibling_button=(588 342)
        sibling_caption="Mini RIKO Kelvane"
        ;;
    MiniKLVN)
        main_count=5 clear_centre=496 data_folder_name=rkk7data file_prefix=MR
        caption="Mini RIKO Kelvane" sibling_button=(588 342) sibling_caption="Riko7 Kelvane"
        ;;
    *) return 1 ;;
    esac
    row_size=$((main_count + bonus_count))
}

first_box_of_row() { echo "EDIT$((1 + ($1 - 1) * row_size))"; }
last_box_of_row() { echo "EDIT$(($1 * row_size))"; }

box_centre_x() {
    local k=$1
    if ((k > main_count)); then
        echo "$bonus_centre"
    else
        echo $((kNumberColumnCentre + kNumberColumnStep * (k - 1)))
    fi
}

# shellcheck disable=SC2154 # the script's own, as said above
click_at() { xdotool mousemove --window "$main_window" "$1" "$2" click 1; }

# Clicks into box k of the row (0: the draw number).
click_box() {
    local row=$1 k=$2 x
    if ((k == 0)); then x=$kDrawNumberCentre; else x=$(box_centre_x "$k"); fi
    click_at "$x" "${kRowCentre[row - 1]}"
}

# Empties every box with 「全クリア」, confirmed with Enter, and waits until the window is the
# active one again.
clear_all() {
    click_at "${kClearAllButton[@]}"
    wait_for_active_dialog "$kClearAllCaption"
    xdotool key Return
    wait_for_return_to_window "$kClearAllCaption"
}

# The boxes whose text holds the mark (a digit) in the given window text, by name, on one line.
# The rows read like "１回前抽選 第1234回: 1 2 3 4 5 6 + 7": the draw number, then the boxes in
# order, a bonus after "+"; an empty box leaves an empty place between two blanks.
# usage: boxes_with_mark MARK WINDOW_TEXT
boxes_with_mark() {
    awk -v row_size="$row_size" -v mark="$1" '
        BEGIN { split("EDIT22 EDIT27 EDIT28", drawNumberBoxes, " ") }
        /^(１|２|３)回前抽選/ {
            row++
            label = $0
            sub(/:.*/, "", label)
            if (index(label, mark))
                marked = marked " " drawNumberBoxes[row]
            numbers = $0
            sub(/^[^:]*: /, "", numbers)
            sub(/ [+] /, " ", numbers)
            if (split(numbers " ", texts, /[ ]/) != row_size + 1) {
                print "row " row " is not " row_size " boxes: " $0 > "/dev/stderr"
                broken = 1
                exit 1
            }
            for (k = 1; k <= row_size; k++)
                if (index(texts[k], mark))
                    marked = marked " EDIT" ((row - 1) * row_size + k)
        }
        END {
            if (broken)
                exit 1
            if (row != 3) {
                print "the window text has " row + 0 " rows, not 3" > "/dev/stderr"
                exit 1
            }
            print substr(marked, 2)
        }' <<<"$2"
}

# Types the mark and holds where it landed against the box expected: says "ok" or "FAIL" with
# what the case did, and counts a miss in the script's `failed`.
# usage: expect_mark_in EXPECTED_BOX WHAT_THE_CASE_DID
expect_mark_in() {
    local expected=$1 what=$2 window_text landed
    xdotool key "$kMark"
    window_text=$(copy_window_text "$main_window" "$app_name")
    landed=$(boxes_with_mark "$kMark" "$window_text")
    if [[ $landed == "$expected" ]]; then
        say "ok   $app_name $what: the mark went into $expected"
        return
    fi
    say "FAIL $app_name $what: the mark went into ${landed:-no box} instead of $expected"
    grep -E "^(１|２|３)回前抽選" <<<"$window_text" | sed 's/^/    /'
    failed=$((failed + 1))
}
