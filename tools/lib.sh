# Shared by the tools/ scripts: a display and a Wine prefix for Windows programs.

tc_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tc_wine_loader=/usr/lib/wine/wine64
tc_wineserver=/usr/lib/wine/wineserver
tc_win64_prefix=$tc_root/build/win64/wineprefix
tc_cleanups=()

tc_cleanup() {
    local i
    for ((i = ${#tc_cleanups[@]} - 1; i >= 0; i--)); do
        eval "${tc_cleanups[i]}" >/dev/null 2>&1 || true
    done
}
trap tc_cleanup EXIT

# Starts Xvfb when there is no display; it ends with the script.
tc_ensure_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    tc_cleanups+=("kill $!")
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Creates the prefix if needed and keeps one wineserver alive until the script ends,
# so that each Windows program starts in a fraction of the time.
tc_start_wineserver() {
    "$tc_root/tools/wine-prefix" "$tc_win64_prefix" "$tc_wine_loader"
    export WINEPREFIX=$tc_win64_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    "$tc_wineserver" -p || true # already running for this prefix: use it
    tc_cleanups+=("WINEPREFIX='$tc_win64_prefix' '$tc_wineserver' -k")
    # Start Wine's own services now, detached from our output: started by a test
    # program they would inherit its pipes and keep CTest waiting for them.
    "$tc_wine_loader" wineboot </dev/null >/dev/null 2>&1
}

tc_build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
}
