# Sourced by the end-to-end scripts: starts a private virtual X screen for this script and
# points DISPLAY at it. The X server picks a free display number itself (-displayfd), so that
# several tests, or several people's tests, can run side by side without racing for one number.
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
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -ac 3>"$numberFile" 2>/dev/null &
    VIRTUAL_SCREEN_PID=$!
    for _ in $(seq 300); do
        if [[ -s $numberFile ]]; then
            display=":$(head -n 1 "$numberFile")"
            break
        fi
        kill -0 "$VIRTUAL_SCREEN_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numberFile"
    [[ -n $display ]] || return 1
    for _ in $(seq 30); do
        if xdpyinfo -display "$display" >/dev/null 2>&1; then
            export DISPLAY=$display
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits for the server to be gone, so that the next test's server never starts beside one
# that is still taking its display down.
stop_virtual_screen() {
    [[ -n ${VIRTUAL_SCREEN_PID:-} ]] || return 0
    kill "$VIRTUAL_SCREEN_PID" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$VIRTUAL_SCREEN_PID" 2>/dev/null || break
        sleep 0.1
    done
    VIRTUAL_SCREEN_PID=""
    return 0
}
