# Sourced by the end-to-end scripts: starts a private virtual X screen for this script and
# points DISPLAY at it. The X server picks a free display number itself (-displayfd), so that
# several tests, or several people's tests, can run side by side without racing for one number.
start_virtual_screen() {
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$numberFile" 2>/dev/null &
    VIRTUAL_SCREEN_PID=$!
    for _ in $(seq 300); do
        if [[ -s $numberFile ]]; then
            export DISPLAY=":$(head -n 1 "$numberFile")"
            rm -f "$numberFile"
            return 0
        fi
        kill -0 "$VIRTUAL_SCREEN_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numberFile"
    echo "the virtual X screen did not start"
    exit 1
}

stop_virtual_screen() {
    [[ -n ${VIRTUAL_SCREEN_PID:-} ]] && kill "$VIRTUAL_SCREEN_PID" 2>/dev/null
    return 0
}
