# shellcheck shell=bash
# The start of the scripts that type a mark into a program's boxes and read from the window's
# text where it landed (held_keys.sh, focus_after_dialogs.sh): their arguments, the helpers, the
# game's layout and how a failure reports.
# usage: source mark_test_start.sh PROGRAM CAPTION
set -euo pipefail
program=$1 caption=$2
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/virtual_screen.sh"
source "$here/window_text.sh"
source "$here/window_boxes.sh"

readonly kMark=9
app_name=$(basename "$program")
game_layout "$app_name" || fail "unknown program $program"
# A failure lists the windows on the screen after its message.
# shellcheck disable=SC2034 # read by virtual_screen.sh's fail
fail_lists_windows=yes fail_context=$app_name
