# shellcheck shell=bash
# Sourced after virtual_screen.sh by the end-to-end scripts that drive a program: reads the text
# of the program's window through its copy menu and the clipboard. Each of its waits is one of
# the script's steps (wait_until), so the script keeps the program's process id in `pid`.

readonly kEmptySurface=(30 250) # client coordinates where a right click opens the context menu
readonly kClipboardMark="(nothing copied yet)"

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_holds_mark() { [[ $(clipboard) == "$kClipboardMark" ]]; }
clipboard_replaced() {
    local text
    text=$(clipboard) && [[ -n $text && $text != "$kClipboardMark" ]]
}

# The window's popup menus have no caption; they are the program's other visible windows, those
# of its window class.
# usage: open_menus WINDOW CLASS
open_menus() {
    xdotool search --onlyvisible --class "^$2\$" 2>/dev/null | grep -cvxF "$1" || true
}
menus_open_at_least() { (($(open_menus "$1" "$2") >= $3)); }
menus_closed() { (($(open_menus "$1" "$2") == 0)); }

# A menu that has only just been mapped can miss a key (Wine's do on a busy machine), so the
# copy submenu's key is pressed again until the submenu is open; its items take no "y". Under
# Wine a menu may not get the keys at all: then a click on its first item, the copy submenu,
# opens it.
# usage: copy_submenu_open WINDOW CLASS
copy_submenu_open() {
    local menu
    menus_open_at_least "$1" "$2" 2 && return
    xdotool key y
    menus_open_at_least "$1" "$2" 2 && return
    menu=$(xdotool search --onlyvisible --class "^$2\$" 2>/dev/null | grep -vxF "$1" | head -n 1)
    [[ -n $menu ]] && xdotool mousemove --window "$menu" 40 12 click 1
    menus_open_at_least "$1" "$2" 2
}

# Prints the text that the window's "コピー(&Y)" → "テキスト(&T)" copies, to be taken with $(...).
# The menus grab the keyboard, so their keys reach them whichever window is active. The body is
# a subshell of its own: the trap that lets go of the clipboard mark stays in it, and so does
# set -e, which a command substitution would otherwise drop.
# usage: copy_window_text WINDOW CLASS
copy_window_text() (
    set -e
    window=$1 class=$2
    xclip -quiet -selection clipboard -i <<<"$kClipboardMark" >/dev/null 2>&1 &
    mark_holder=$!
    trap 'kill "$mark_holder" 2>/dev/null || true; wait "$mark_holder" 2>/dev/null || true' EXIT
    wait_until "mark on the clipboard" clipboard_holds_mark
    xdotool mousemove --window "$window" "${kEmptySurface[@]}" click 3
    wait_until "context menu" menus_open_at_least "$window" "$class" 1
    wait_until "copy submenu" copy_submenu_open "$window" "$class"
    xdotool key t
    wait_until "closing of the menus" menus_closed "$window" "$class"
    wait_until "window text on the clipboard" clipboard_replaced
    clipboard
)
