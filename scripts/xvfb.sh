# Sourced by the scripts and tests that need a virtual X display:
#   start_xvfb WORKDIR [SCREEN]
# starts Xvfb on a free display of its own choosing (it writes the number once
# it accepts clients; -noreset keeps it up when its last client leaves), then
# sets DISPLAY and xvfb (the server's pid). Returns 1, with the server's log
# on stderr, when no display came within 30 s.
start_xvfb() {
    local work=$1 screen=${2:-1280x1024x24} number=
    Xvfb -displayfd 3 -noreset -screen 0 "$screen" 3>"$work/display" </dev/null \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 1 600); do
        number=$(head -n 1 "$work/display" 2>/dev/null || true)
        [[ -n $number ]] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    if [[ -z $number ]]; then
        cat "$work/xvfb.log" >&2
        return 1
    fi
    DISPLAY=:$number
    export DISPLAY
}
