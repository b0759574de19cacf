# Shared by the checks that run Kestrova in a real X session
# (scripts/window-check, scripts/e2e-check); sourced, not run. It starts
# Xvfb (1280x1024x24) with the openbox window manager and the program in a
# fresh settings folder, ends everything it started when the script exits,
# and offers waiting, activating windows, moving the pointer, window geometry
# and screenshots.
#
# The sourcing script sets check_name (the prefix of every line it prints)
# before sourcing. Exit status of a check: 0 passed, 1 failed, 77 skipped
# because Xvfb is not installed.

readonly SCREEN_W=1280 SCREEN_H=1024
readonly SKIP=77
# How long any wait for the screen, a window or the program may take, in
# seconds: the checks run under AddressSanitizer, beside other tests, on a
# machine that may be busy. Waits end as soon as what they wait for is
# there, so this only bounds how long a failing check takes.
readonly PATIENCE=60

x_session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

say() { echo "$check_name: $*"; }

work=
pids=()

fail() {
    say "FAILED: $*" >&2
    if [ -n "$work" ]; then
        # What the screen showed when it went wrong.
        [ ! -s "$work/display" ] || import -window root "$work/failed.png" 2>/dev/null || true
        say "screenshots and logs are in $work" >&2
    fi
    exit 1
}

# Ends what this script started, newest first, each by its own process id.
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
# Ended from outside (a time-out, Ctrl+C, a closed pipe): clean up all the same.
trap 'exit 1' HUP INT PIPE TERM

# Runs a command until it succeeds, at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

running() {
    [ -e "/proc/$1" ] && [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" != Z ]
}

# Skips the check without Xvfb; fails when another tool is missing. Takes
# "command:Debian-package" pairs beyond the X tools every check needs.
require_tools() {
    local tool
    if ! command -v Xvfb >/dev/null; then
        say "SKIPPED: Xvfb is not installed (Debian package xvfb)"
        exit $SKIP
    fi
    for tool in openbox:openbox xdotool:xdotool xprop:x11-utils xwininfo:x11-utils \
        import:imagemagick convert:imagemagick "$@"; do
        command -v "${tool%%:*}" >/dev/null ||
            fail "${tool%%:*} is missing (Debian package ${tool##*:}; scripts/install-deps installs it)"
    done
}

# Makes the work folder ($work) and starts Xvfb and openbox in it; exports
# DISPLAY and a configuration folder of the session's own. A server may
# take a display that another session's server is just giving up, and then
# go with it: such a session is ended and another one started.
start_session() {
    local attempt
    work=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-$1.XXXXXX")

    # Everything the session writes stays in the work folder: openbox reads
    # its defaults, and Kestrova finds no settings of the person running this.
    export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"

    for attempt in 1 2 3; do
        try_session "$attempt" && return 0
        say "no usable X session at attempt $attempt: $session_trouble"
    done
    fail "no X session with openbox in 3 attempts: $session_trouble (see xvfb.log, openbox.log)"
}

# One try at an X server with openbox on it; on failure it ends both again
# and says why in session_trouble.
try_session() {
    local started=${#pids[@]} xvfb_pid i
    echo "--- attempt $1" >>"$work/xvfb.log"
    echo "--- attempt $1" >>"$work/openbox.log"
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp \
        3>"$work/display" >>"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    pids+=("$xvfb_pid")
    session_trouble=
    if ! wait_for "$PATIENCE" test -s "$work/display"; then
        session_trouble="Xvfb did not start"
    else
        DISPLAY=":$(cat "$work/display")"
        export DISPLAY
        openbox --sm-disable >>"$work/openbox.log" 2>&1 &
        pids+=($!)
        wait_for "$PATIENCE" session_settled "$xvfb_pid" "$!"
        session_ready "$xvfb_pid" "$!" ||
            session_trouble="openbox did not start on Xvfb's display $DISPLAY"
    fi
    [ -n "$session_trouble" ] || return 0
    for ((i = ${#pids[@]} - 1; i >= started; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    pids=("${pids[@]:0:started}")
    return 1
}

# Both the server ($1) and the window manager ($2) run, and the manager has
# announced itself on the display.
session_ready() {
    running "$1" && running "$2" &&
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# The session is ready, or one of its two processes has ended.
session_settled() { ! running "$1" || ! running "$2" || session_ready "$1" "$2"; }

# Starts the program ($1) as on a first start, with the arguments that
# follow, and waits for its main window: sets program_pid and window.
start_program() {
    local program=$1
    shift
    [ -x "$program" ] || fail "no program at $program: build it first (cmake --build --preset dev)"
    program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
    # A fresh settings file, except that the start-up question about the 3-D
    # controls library is already answered: it would stand in front of the
    # main window.
    printf '[Startup]\nShowCtl3DError=0\n' >"$XDG_CONFIG_HOME/kestrova.ini"

    # Under AddressSanitizer, leaks of system libraries are not ours to report.
    LSAN_OPTIONS="suppressions=$x_session_dir/lsan-system.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        QT_QPA_PLATFORM=xcb "$program" "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")

    window=
    wait_for "$PATIENCE" find_main_window ||
        fail "no visible window titled Kestrova within $PATIENCE s"
    say "program window $window on display $DISPLAY"
}

find_main_window() {
    running "$program_pid" || fail "the program ended at start (see program.log)"
    window=$(xdotool search --all --onlyvisible --pid "$program_pid" --name '^Kestrova$' 2>/dev/null |
        head -n 1)
    [ -n "$window" ]
}

maximized() {
    local state
    state=$(xprop -id "$window" _NET_WM_STATE 2>/dev/null) || return 1
    [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}

# The main window with its frame covers the screen's work area: sets the
# work area (area_x, area_y, area_w, area_h), the frame's extents (frame_l,
# frame_r, frame_t, frame_b) and the geometry (see geometry).
covers_work_area() {
    read -r area_x area_y area_w area_h _ < <(numbers -root _NET_WORKAREA 2>/dev/null)
    read -r frame_l frame_r frame_t frame_b < <(numbers -id "$window" _NET_FRAME_EXTENTS 2>/dev/null)
    [ -n "$area_h" ] && [ -n "$frame_b" ] || return 1
    geometry
    ((win_x - frame_l == area_x && win_y - frame_t == area_y &&
        win_w + frame_l + frame_r == area_w && win_h + frame_t + frame_b == area_h))
}

# Waits until the window manager shows the main window maximized and the
# window has grown to the work area (the frame and the window may still be
# growing for a while after the state changed); sets what covers_work_area
# sets.
wait_maximized() {
    wait_for "$PATIENCE" maximized || fail "the window manager does not show the window maximized:" \
        "$(xprop -id "$window" _NET_WM_STATE)"
    wait_for "$PATIENCE" covers_work_area ||
        fail "the window does not cover the screen's work area ${area_w}x${area_h}+${area_x}+${area_y}:" \
            "client ${win_w}x${win_h}+${win_x}+${win_y}, frame l=$frame_l r=$frame_r t=$frame_t b=$frame_b"
}

# Makes the window $1 the active one and waits until the window manager says
# it is, asking again meanwhile. (xdotool's own --sync gives up silently
# after 15 s, and a key sent then goes elsewhere.)
is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ] && return 0
    xdotool windowactivate "$1" 2>/dev/null
    return 1
}
activate() {
    xdotool windowactivate "$1" 2>/dev/null || true
    wait_for "$PATIENCE" is_active "$1" || fail "the window $1 did not become the active one"
}

# Moves the pointer to ($1, $2) and waits until it is there. (xdotool's own
# --sync waits a quarter of a minute for a move to where the pointer is.)
pointer_at() {
    [ "$(xdotool getmouselocation --shell | awk -F= '/^[XY]=/ { printf "%s ", $2 }')" == "$1 $2 " ]
}
move_pointer() {
    pointer_at "$1" "$2" && return 0
    xdotool mousemove "$1" "$2"
    wait_for "$PATIENCE" pointer_at "$1" "$2" || fail "the pointer did not move to ($1, $2)"
}

# The client area of the main window, in screen pixels: win_x, win_y, win_w, win_h.
geometry() {
    local info
    info=$(xwininfo -id "$window")
    win_x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    win_y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    win_w=$(awk '/Width:/ {print $2}' <<<"$info")
    win_h=$(awk '/Height:/ {print $2}' <<<"$info")
}

# Numbers of an X property, in order: "name(TYPE) = 1, 2, 3" gives "1 2 3".
numbers() { xprop "$@" | sed 's/^[^=]*= *//; s/,/ /g'; }

# Takes a screenshot of the whole screen into $work/$1.png.
shoot() { import -window root "$work/$1.png" || fail "import could not take a screenshot"; }

# Number of pixels of exactly the colour $3 (not white) in the rectangle $2
# (WxH+X+Y) of screenshot $1.
colour_count() {
    convert "$work/$1.png" -crop "$2" +repage -alpha off \
        -fill white +opaque "$3" -fill black -opaque "$3" \
        -format '%[fx:round(w*h*(1-mean))]' info:
}

# A visible window of the program titled exactly $1: sets found. (A search
# may fail when a window goes while it looks, so it is asked again rather
# than waited on with --sync.)
titled_window() {
    running "$program_pid" || fail "the program has ended (see program.log)"
    found=$(xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null |
        head -n 1)
    [ -n "$found" ]
}
wait_window() {
    found=
    wait_for "$PATIENCE" titled_window "$1" || fail "no window titled \"$1\" appeared within $PATIENCE s"
}

# The window $1 is closed: gone, or no longer mapped.
window_closed() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Answers the box or dialog titled $1 with the keys $2... and waits until it
# has closed. What it covered may still show until the window under it has
# painted again: a screenshot after this waits for what it looks for.
answer() {
    local title=$1 box
    shift
    wait_window "$title"
    box=$found
    activate "$box"
    xdotool key --clearmodifiers "$@"
    wait_for "$PATIENCE" window_closed "$box" || fail "the window \"$title\" stayed open after $*"
}

# Ends the program the way a user does (Alt+F4 on its window) and checks
# that it ends with status 0.
close_program() {
    activate "$window"
    xdotool key --clearmodifiers alt+F4 || fail "could not send Alt+F4 to the window"
    ended() { ! running "$program_pid"; }
    wait_for "$PATIENCE" ended ||
        fail "the program was still running $PATIENCE s after Alt+F4 closed its window"
    local status=0
    wait "$program_pid" || status=$?
    ((status == 0)) || fail "the program ended with exit status $status after Alt+F4 (see program.log)"
}

# Colours along a strip one pixel wide or one pixel high of screenshot $1 at
# $2 (WxH+X+Y), as "offset #RRGGBB" lines counted from the strip's start.
strip() {
    convert "$work/$1.png" -crop "$2" +repage -depth 8 txt:- |
        awk 'NR > 1 { split($1, at, ","); for (i = 2; i <= NF; i++) if ($i ~ /^#/) { print at[1] + at[2], $i; break } }'
}

# The longest run of colour $3 along a strip (see strip): "first last", or
# "-1 -1" when the colour is not there.
longest_run() {
    strip "$1" "$2" | awk -v colour="$3" '
        $2 == colour { if (start < 0) start = $1; if ($1 - start + 1 > best) { best = $1 - start + 1; first = start; last = $1 } next }
        { start = -1 }
        BEGIN { start = -1; best = 0; first = -1; last = -1 }
        END { print first, last }'
}

# Bounding box "width height x y" of the pixels of colour $3 in the rectangle
# $2 (WxH+X+Y) of screenshot $1, x and y within the rectangle; nothing when
# there are none.
colour_box() {
    local found
    found=$(convert "$work/$1.png" -crop "$2" +repage -alpha off -fuzz 6% \
        -fill white +opaque "$3" -fill black -opaque "$3" -bordercolor white -border 1 \
        -format '%[fx:round(w*h*(1-mean))] %@' info: 2>>"$work/convert.log")
    [ "${found%% *}" != 0 ] || return 0
    awk '{ split($2, b, /[x+]/); print b[1], b[2], b[3] - 1, b[4] - 1 }' <<<"$found"
}
