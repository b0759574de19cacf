# Helpers of the checks that work the program as a person does (so far
# scripts/calibrate-check); sourced after x-session.bash. Menus and dialogs
# are driven from the keyboard, clicks go to screen pixels, and the drawing
# window is found in a screenshot.

readonly BACKGROUND='#C0C0C0'   # the drawing window's default background (192, 192, 192)
readonly AXIS_INK='#000000'

# The colour "#RRGGBB" of pixel ($2, $3) of screenshot $1.
pixel() { strip "$1" "1x1+$2+$3" | awk '{ print $2 }'; }

# Number of pixels of exactly the colour $3 (not white) in the rectangle $2
# (WxH+X+Y) of screenshot $1.
colour_count() {
    convert "$work/$1.png" -crop "$2" +repage -alpha off \
        -fill white +opaque "$3" -fill black -opaque "$3" \
        -format '%[fx:round(w*h*(1-mean))]' info:
}

# A visible window of the program titled exactly $1, waited for at most $2
# seconds: sets found. (A search may fail when a window goes while it looks,
# so it is asked again rather than waited on with --sync.)
titled_window() {
    running "$program_pid" || fail "the program has ended (see program.log)"
    found=$(xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null |
        head -n 1)
    [ -n "$found" ]
}
wait_window() {
    found=
    wait_for "$2" titled_window "$1" || fail "no window titled \"$1\" appeared within $2 s"
}

# The window $1 is closed: gone, or no longer mapped.
window_closed() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Answers the box or dialog titled $1 with the keys $2... and waits until it
# has closed.
answer() {
    local title=$1 box
    shift
    wait_window "$title" 10
    box=$found
    xdotool windowactivate --sync "$box" key --clearmodifiers "$@"
    wait_for 10 window_closed "$box" || fail "the window \"$title\" stayed open after $*"
}

# Qt shows an open menu as a window of its own that the window manager
# leaves alone (override-redirect).
menu_open() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$program_pid" --name '' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}

# Chooses a menu item with the keyboard: Alt with the menu's access letter
# $1, then the item's access letter $2, once the menu is open.
menu_command() {
    xdotool windowactivate --sync "$window" key --clearmodifiers "alt+$1"
    wait_for 5 menu_open || fail "the menu of Alt+$1 did not open"
    xdotool key "$2"
}

# Types $2 into the file dialog titled $1 and presses Enter. Qt's own file
# dialog opens with the focus in its name field and takes a whole path there.
type_file_name() {
    local dialog
    wait_window "$1" 10
    dialog=$found
    xdotool windowactivate --sync "$dialog" type --delay 10 "$2"
    xdotool key Return
    wait_for 10 window_closed "$dialog" ||
        fail "the file dialog \"$1\" stayed open after typing $2 and Enter"
}

# Moves the pointer to ($1, $2) and waits until it is there. (xdotool's own
# --sync waits a quarter of a minute for a move to where the pointer is.)
pointer_at() {
    [ "$(xdotool getmouselocation --shell | awk -F= '/^[XY]=/ { printf "%s ", $2 }')" == "$1 $2 " ]
}
move_pointer() {
    pointer_at "$1" "$2" && return 0
    xdotool mousemove "$1" "$2"
    wait_for 5 pointer_at "$1" "$2" || fail "the pointer did not move to ($1, $2)"
}

click_at() {
    move_pointer "$1" "$2"
    xdotool click 1
}

# The drawing window is the area painted in the background colour between
# the menu bar and the tool bar: its height is the longest background run in
# a column of its left margin, its width the longest run in a row of its top
# margin (the graph square keeps a margin of 6.66 % on every side).
measure_drawing_window() {
    local top bottom left right
    shoot start
    read -r top bottom < <(longest_run start "1x${win_h}+$((win_x + win_w * 3 / 100))+${win_y}" "$BACKGROUND")
    ((top >= 0 && bottom - top + 1 >= win_h / 2)) || return 1
    draw_y=$((win_y + top))
    draw_h=$((bottom - top + 1))
    read -r left right < <(longest_run start "${win_w}x1+${win_x}+$((draw_y + draw_h * 3 / 100))" "$BACKGROUND")
    ((left >= 0 && right - left + 1 >= win_w / 2)) || return 1
    draw_x=$((win_x + left))
    draw_w=$((right - left + 1))
}
# The logical space's constants, from the program $1: LOGICAL_ORIGIN_OFFSET,
# LOGICAL_CLIENT_EXTENT, GRAPH_EXTENT, IMAGE_SQUARE_LOW, IMAGE_SQUARE_HIGH.
read_constants() {
    local constants name value
    [ -x "$1" ] || fail "no program at $1: build it first (cmake --build --preset dev)"
    constants=$("$1" --print-constants) || fail "$1 --print-constants failed"
    for name in LOGICAL_ORIGIN_OFFSET LOGICAL_CLIENT_EXTENT GRAPH_EXTENT IMAGE_SQUARE_LOW IMAGE_SQUARE_HIGH; do
        value=$(sed -n "s/^$name=\(-\{0,1\}[0-9][0-9]*\)\$/\1/p" <<<"$constants")
        [ -n "$value" ] || fail "$1 --print-constants gives no $name"
        declare -gr "$name=$value"
    done
}

# Finds the drawing window (draw_x, draw_y, draw_w, draw_h) and the screen
# pixels of its axes (axis_x, axis_y), and checks that the axes lie there.
find_drawing_window() {
    wait_for 10 measure_drawing_window ||
        fail "no drawing window painted in the background colour $BACKGROUND (see start.png)"

    # The measure is right when the axes lie where the window's mapping puts
    # logical 0, LOGICAL_ORIGIN_OFFSET units across from the left edge and up
    # from the bottom edge, rounded to the nearest pixel.
    local half=$((LOGICAL_CLIENT_EXTENT / 2))
    axis_x=$((draw_x + (LOGICAL_ORIGIN_OFFSET * draw_w + half) / LOGICAL_CLIENT_EXTENT))
    axis_y=$((draw_y + draw_h - (LOGICAL_ORIGIN_OFFSET * draw_h + half) / LOGICAL_CLIENT_EXTENT))
    [ "$(pixel start "$axis_x" "$((draw_y + draw_h / 2))")" == "$AXIS_INK" ] ||
        fail "the Y axis is not at x=$axis_x, where a drawing window of ${draw_w}x${draw_h} at" \
            "($draw_x, $draw_y) puts it (see start.png)"
    [ "$(pixel start "$((draw_x + draw_w / 2))" "$axis_y")" == "$AXIS_INK" ] ||
        fail "the X axis is not at y=$axis_y, where a drawing window of ${draw_w}x${draw_h} at" \
            "($draw_x, $draw_y) puts it (see start.png)"
    say "drawing window: ${draw_w}x${draw_h} at ($draw_x, $draw_y); its axes at x=$axis_x and y=$axis_y"
}
