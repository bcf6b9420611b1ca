#!/usr/bin/env bash
# End-to-end: the window follows the desktop's scale, as X tells it (Xft.dpi), under a window
# manager on a 2560 x 1600 screen. At 96 dpi the window is the design's 648 x 466 with its frame;
# at 192 dpi it is twice that, and the picture's pixels are squares of two by two at doubled
# coordinates: the corner of the title bar and a one-pixel line.
#
# usage: desktop_scale.sh PROGRAM CAPTION SCREEN_REGION DPI
set -euo pipefail
program=$1 caption=$2 screen_region=$3 dpi=$4
source "$(dirname "$0")/virtual_screen.sh"

fail_lists_windows=yes
fail_context="$(basename "$program") at $dpi dpi"
screen_size=2560x1600
readonly kScale=$((dpi / 96))
readonly kWidth=648 kHeight=466
readonly kGrey="#c0c0c0" kBlack="#000000"
title_colour="#ffff00"
[[ $(basename "$program") != RK6KLVN ]] || title_colour="#00ffff"
# The title bar's top-left pixel, and a pixel of the bracket's one-pixel line under the rows.
readonly kTitleCorner=(176 5)
readonly kBracket=(300 145)

on_screen() { XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 "$@"; }

# The design pixel's colour at offset (dx, dy) screen pixels within its square.
# usage: expect_colour COLOUR X Y DX DY
expect_colour() {
    local expected=$1 x=$((window_x + $2 * kScale + $4)) y=$((window_y + $3 * kScale + $5)) seen
    seen=$(on_screen "$screen_region" colour "$x" "$y")
    [[ $seen == "$expected" ]] ||
        fail "design pixel ($2,$3) + ($4,$5) at screen ($x,$y) is $seen, not $expected"
}

trap clean_up EXIT
start_virtual_screen
# Qt reads Xft.dpi from the resources on the root window, where a desktop's settings put it.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi
"
make_program_folder desktop-scale rkk7data
start_window_manager "$work/openbox.log"
start_program_copy

geometry=$(xwininfo -id "$main_window")
field() { sed -n "s/^ *$1: *//p" <<<"$geometry"; }
window_x=$(field "Absolute upper-left X") window_y=$(field "Absolute upper-left Y")
WIDTH=$(field Width) HEIGHT=$(field Height)
read -r left right top bottom < <(xprop -id "$main_window" _NET_FRAME_EXTENTS |
    sed 's/.*= //; s/,//g')
outer_width=$((WIDTH + left + right)) outer_height=$((HEIGHT + top + bottom))
say "client ${WIDTH}x$HEIGHT, with the frame ${outer_width}x$outer_height"
# The frame is the window manager's, at the screen's pixels; Qt rounds it to whole design pixels.
((outer_width - kScale * kWidth <= 0 && kScale * kWidth - outer_width <= kScale)) ||
    fail "the window is $outer_width wide with its frame, not $((kScale * kWidth))"
((outer_height - kScale * kHeight <= 0 && kScale * kHeight - outer_height <= kScale)) ||
    fail "the window is $outer_height high with its frame, not $((kScale * kHeight))"

last=$((kScale - 1))
expect_colour "$title_colour" "${kTitleCorner[@]}" 0 0
expect_colour "$title_colour" "${kTitleCorner[@]}" "$last" "$last"
expect_colour "$kGrey" "${kTitleCorner[@]}" -1 0
expect_colour "$kGrey" "${kTitleCorner[@]}" 0 -1
expect_colour "$kBlack" "${kBracket[@]}" 0 0
expect_colour "$kBlack" "${kBracket[@]}" 0 "$last"
expect_colour "$kGrey" "${kBracket[@]}" 0 -1
expect_colour "$kGrey" "${kBracket[@]}" 0 "$kScale"
say "PASS"
