# shellcheck shell=bash
# Sourced by the end-to-end scripts: starts a private virtual X screen for this script and
# points DISPLAY at it. The X server picks a free display number itself (-displayfd), so that
# several tests, or several people's tests, can run side by side without racing for one number.
# A script may set `screen_size` (WIDTHxHEIGHT) before it starts the screen.
start_virtual_screen() {
    for _ in 1 2 3; do
        launch_virtual_screen && return 0
        stop_virtual_screen
    done
    echo "the virtual X screen did not start"
    exit 1
}

# One try: the server must name its display and then take a client's connection. -noreset
# keeps the server from resetting whenever its last client leaves: a program that connects
# while the server resets (after a window search, say) is refused and cannot start.
launch_virtual_screen() {
    local numberFile display=""
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${screen_size:-1024x768}x24" -nolisten tcp -noreset -ac 3>"$numberFile" 2>/dev/null &
    VIRTUAL_SCREEN_PID=$!
    if poll_until --while "$VIRTUAL_SCREEN_PID" 30 test -s "$numberFile"; then
        display=":$(head -n 1 "$numberFile")"
    fi
    rm -f "$numberFile"
    [[ -n $display ]] || return 1
    poll_until --while "$VIRTUAL_SCREEN_PID" 3 screen_answers "$display" || return 1
    export DISPLAY=$display
}

screen_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# Waits for the server to be gone, so that the next test's server never starts beside one
# that is still taking its display down.
stop_virtual_screen() {
    [[ -n ${VIRTUAL_SCREEN_PID:-} ]] || return 0
    kill "$VIRTUAL_SCREEN_PID" 2>/dev/null || true
    poll_until 5 process_ended "$VIRTUAL_SCREEN_PID" || true
    VIRTUAL_SCREEN_PID=""
    return 0
}

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# Every wait of the end-to-end scripts: runs the command until it succeeds, trying every 50 ms.
# Returns 0 once it has, 1 once the given seconds have passed without success, and 2 as soon as
# the process given with --while has ended: whatever it was to bring about cannot come now.
# usage: poll_until [--while PID] SECONDS COMMAND...
poll_until() {
    local watched=""
    if [[ $1 == --while ]]; then
        watched=$2
        shift 2
    fi
    local seconds=$1
    shift
    # Kept in microseconds: a deadline in whole seconds would cut a short limit by up to one.
    local deadline=$((${EPOCHREALTIME//[!0-9]/} + seconds * 1000000))
    while true; do
        [[ -z $watched ]] || ! process_ended "$watched" || return 2
        "$@" && return 0
        ((${EPOCHREALTIME//[!0-9]/} < deadline)) || return 1
        sleep 0.05
    done
}

# --- A window manager on the virtual screen -------------------------------------------------

# Openbox with a configuration of its own, so that the user's or the system's settings cannot
# change how it hands the focus around: new windows take the focus and the pointer moves none.
# It binds no mouse buttons: a binding on a window holds each click there until the window
# manager lets it through, and keys typed just after the click would overtake it.
window_manager_config() {
    cat <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus>
    <focusNew>yes</focusNew>
    <followMouse>no</followMouse>
  </focus>
</openbox_config>
XML
}

# A window manager names its check window on the root and on that window itself; a name left
# on the root by one that has gone names a window that no longer says so.
window_manager_ready() {
    local root_check own_check
    root_check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    [[ $root_check =~ (0x[0-9a-f]+) ]] || return 1
    own_check=$(xprop -id "${BASH_REMATCH[1]}" _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    [[ $own_check == *"${BASH_REMATCH[1]}"* ]]
}

# Starts the window manager on this script's screen and waits until it has taken the screen: a
# window mapped before that would stay unframed and never be given the focus. Openbox writes its
# messages into the file named.
start_window_manager() {
    local log=$1
    WINDOW_MANAGER_CONFIG=$(mktemp)
    window_manager_config >"$WINDOW_MANAGER_CONFIG"
    openbox --sm-disable --config-file "$WINDOW_MANAGER_CONFIG" >"$log" 2>&1 &
    WINDOW_MANAGER_PID=$!
    if ! poll_until --while "$WINDOW_MANAGER_PID" 30 window_manager_ready; then
        echo "the window manager did not take the screen; it said:"
        cat "$log"
        exit 1
    fi
}

stop_window_manager() {
    [[ -z ${WINDOW_MANAGER_PID:-} ]] || kill "$WINDOW_MANAGER_PID" 2>/dev/null || true
    [[ -z ${WINDOW_MANAGER_CONFIG:-} ]] || rm -f "$WINDOW_MANAGER_CONFIG"
    WINDOW_MANAGER_PID="" WINDOW_MANAGER_CONFIG=""
}

# --- Windows --------------------------------------------------------------------------------

# Finding a window: prints the id of a visible window with exactly the caption, other than the
# one given, to be taken with $(...); fails, printing nothing, while there is none.
find_shown_window() {
    local caption=$1 other=${2:-none} window
    window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null |
        grep -vxF "$other" | head -n 1 || true)
    [[ -n $window ]] || return 1
    echo "$window"
}

no_shown_window() { ! find_shown_window "$1" >/dev/null; }

# Under a window manager the keys go to the window that it has made the active one.
window_is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

# --- Steps of a script that drives a program -------------------------------------------------
# Such a script keeps the program's process id in `pid` and ends the test with `fail MESSAGE`.

readonly kStepTimeout=30 # seconds one step may take on a loaded machine

say() { printf '%s\n' "$*"; }

# Ends the test with status 1: says "FAIL: MESSAGE" on stderr, with the script's `fail_context`
# in brackets after FAIL where it sets one, and then the named windows on the screen where it
# sets `fail_lists_windows`.
fail() {
    say "FAIL${fail_context:+ ($fail_context)}: $*" >&2
    if [[ -n ${fail_lists_windows:-} ]]; then
        say "windows on the screen:" >&2
        xwininfo -root -tree 2>/dev/null | grep -F '"' | grep -vF 'has no name' >&2 || true
    fi
    exit 1
}

# Runs the command until it succeeds; fails the test after kStepTimeout seconds, or at once when
# the program ends. What the command prints comes out, so that a window that it finds can be
# taken with $(...).
wait_until() {
    local what=$1 status=0
    shift
    # shellcheck disable=SC2154 # the script's own, as said above
    poll_until --while "$pid" "$kStepTimeout" "$@" || status=$?
    ((status != 2)) || fail "the program ended while waiting for $what"
    ((status == 0)) || fail "no $what after $kStepTimeout s"
}

# Prints the id of the shown window with the caption, other than the one given, once there is one.
wait_for_window() { wait_until "window captioned '$1'" find_shown_window "$@"; }

# --- The program in a private folder --------------------------------------------------------
# Such a script keeps the program's path in `program` and its window's caption in `caption`.

# Makes the private folder `work`: a copy of the program in `bin`, its data folder of the name
# given beside it, in `data`, and a home and a runtime folder of its own. The folder's name
# begins with the prefix given.
# usage: make_program_folder PREFIX DATA_FOLDER_NAME
make_program_folder() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
    bin=$work/bin
    data=$bin/$2
    mkdir -p "$data" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    # shellcheck disable=SC2154 # the script's own, as said above
    cp "$program" "$bin/"
}

# A data file's text as the programs write it: the fields quoted and joined by commas, CR LF and
# the end-of-file mark.
# usage: quoted_record FIELD...
quoted_record() {
    local field fields=()
    for field in "$@"; do fields+=("\"$field\""); done
    local IFS=,
    printf '%s\r\n\x1a' "${fields[*]}"
}

# Starts the copy in `work`, with the home and runtime folders there, keeps its process id in
# `pid` and its window in `main_window`, and waits until the window manager has made that window
# the active one.
start_program_copy() {
    cd "$work" || exit
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$bin/$(basename "$program")" &
    pid=$!
    main_window=$(wait_for_window "$caption")
    wait_until "active window '$caption'" window_is_active "$main_window"
}

# A dialog of the caption, other than the program's window, is shown and is the active window.
dialog_active() {
    local dialog
    dialog=$(find_shown_window "$1" "$main_window") && window_is_active "$dialog"
}
dialog_gone_and_window_active() { no_shown_window "$1" && window_is_active "$main_window"; }

# The window manager hands the keys to a dialog only once it has made it the active window.
wait_for_active_dialog() { wait_until "active dialog '$1'" dialog_active "$1"; }
wait_for_return_to_window() {
    wait_until "return to the window from '$1'" dialog_gone_and_window_active "$1"
}

# The exit trap: ends the program, the window manager and the virtual screen, and removes the
# private folder, making writable again whatever a test made read-only in it.
clean_up() {
    [[ -z ${pid:-} ]] || kill "$pid" 2>/dev/null || true
    stop_window_manager
    stop_virtual_screen
    wait 2>/dev/null || true
    [[ -z ${work:-} ]] || { chmod -R u+w "$work" && rm -rf "$work"; }
}

# --- The desktop's accessibility bus ----------------------------------------------------------

# Runs the script again inside a session bus of its own, ended with it, so that screen readers'
# traffic never reaches the user's session. Call first, with the script's arguments.
run_in_private_session_bus() {
    if [[ -z ${KELVANE_PRIVATE_SESSION_BUS:-} ]]; then
        KELVANE_PRIVATE_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
    fi
}

# The accessibility bus as a desktop starts it for its screen reader, and Qt's bridge to it on for
# every program started after this. The session bus would start the launcher on the first
# request; started here, on this script's screen, it is up before the program asks.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    ACCESSIBILITY_BUS_PID=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

stop_accessibility_bus() {
    [[ -z ${ACCESSIBILITY_BUS_PID:-} ]] || kill "$ACCESSIBILITY_BUS_PID" 2>/dev/null || true
    ACCESSIBILITY_BUS_PID=""
}
