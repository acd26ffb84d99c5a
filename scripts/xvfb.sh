#!/usr/bin/env bash
# Sourced by the test script: starts an X server with a window manager and a
# German keyboard layout, exports DISPLAY, and stops them on exit.
start_x_server() {
    local n
    for n in $(seq 91 120); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/tmp/revaze-xvfb.log 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [[ -e /tmp/.X11-unix/X$n ]] && break
        sleep 0.1
    done
    openbox >/tmp/revaze-openbox.log 2>&1 &
    WM_PID=$!
    sleep 1
    setxkbmap de
    trap stop_x_server EXIT
}

stop_x_server() {
    kill "${WM_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
}
