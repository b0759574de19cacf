# Shared by the checks that digitize in a real X session (scripts/precise-check,
# scripts/loupe-error-check, scripts/calibrate-check); sourced after
# x-session.bash, with check_name and program set. It starts the session and
# the program maximized, reads the logical space's constants from the
# program, finds the drawing window (draw_x, draw_y, draw_w, draw_h) and
# offers the menus, keys, file dialogs, the loupe and File|Save Data As as a
# person uses them. Every step waits until the program has done what the
# step before asked for, as far as the screen or the X server shows it.

# The caller and x-session.bash set the variables this reads, and wait_for
# calls the helpers defined inside functions.
# shellcheck shell=bash disable=SC2154,SC2317

readonly BACKGROUND='#C0C0C0'
# Under load the X server can hand keys to a window that has just appeared
# before the program takes them, and they are lost. A step whose window is
# still open and active this many seconds after its keys sends them again.
readonly RETRY_AFTER=10

require_tools python3:python3 timeout:coreutils
start_session "${check_name%-check}"
# Where the window draws: the logical space's constants, from the program.
[ -x "$program" ] || fail "no program at $program: build it first (cmake --build --preset dev)"
constants=$("$program" --print-constants) || fail "$program --print-constants failed"
for name in LOGICAL_ORIGIN_OFFSET LOGICAL_CLIENT_EXTENT GRAPH_EXTENT IMAGE_SQUARE_LOW IMAGE_SQUARE_HIGH; do
    value=$(sed -n "s/^$name=\(-\{0,1\}[0-9][0-9]*\)\$/\1/p" <<<"$constants")
    [ -n "$value" ] || fail "$program --print-constants gives no $name"
    declare -r "$name=$value"
done
start_program "$program"
wait_maximized

# Qt shows an open menu as a window of its own that the window manager
# leaves alone (override-redirect); so is a tool tip, which Qt marks as one.
menu_open() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$program_pid" --name '' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' &&
            ! xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP &&
            return 0
    done
    return 1
}
# Chooses a menu item with the keyboard: Alt with the menu's access letter
# $1, then the item's access letter $2, once the menu is open; returns once
# the menu has closed again.
menu_command() {
    activate "$window"
    xdotool key --clearmodifiers "alt+$1"
    if ! wait_for "$RETRY_AFTER" menu_open && is_active "$window"; then
        say "Alt+$1 opened no menu within $RETRY_AFTER s; pressing it again"
        xdotool key --clearmodifiers "alt+$1"
    fi
    wait_for "$PATIENCE" menu_open || fail "the menu of Alt+$1 did not open"
    xdotool key "$2"
    wait_for "$PATIENCE" not menu_open || fail "the menu of Alt+$1 stayed open after $2"
}
not() { ! "$@"; }
keys() {
    activate "$window"
    xdotool key --clearmodifiers "$@"
}
# Types $2 into the file dialog titled $1 and presses Enter. Qt's own file
# dialog opens with the focus in its name field and takes a whole path there.
type_file_name() {
    local dialog
    wait_window "$1"
    dialog=$found
    activate "$dialog"
    xdotool type --delay 10 "$2"
    xdotool key Return
    if ! wait_for "$RETRY_AFTER" window_closed "$dialog" && is_active "$dialog"; then
        say "the file dialog \"$1\" took no name within $RETRY_AFTER s; typing it again"
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 10 "$2"
        xdotool key Return
    fi
    wait_for "$PATIENCE" window_closed "$dialog" ||
        fail "the file dialog \"$1\" stayed open after typing $2 and Enter"
}
# The colour "#RRGGBB" of pixel ($2, $3) of screenshot $1.
pixel() { strip "$1" "1x1+$2+$3" | awk '{ print $2 }'; }
click_at() {
    move_pointer "$1" "$2"
    xdotool click 1
}
# The first offset along a strip (see strip) with colour $3, or nothing.
first_of() { strip "$1" "$2" | awk -v colour="$3" '$2 == colour { print $1; exit }'; }

# The drawing window is the area painted in the background colour between
# the menu bar and the tool bar: its height is the longest background run in
# a column of its left margin, its width the longest run in a row of its top
# margin (the graph square keeps a margin of 6.66 % on every side). The
# measure holds once the axes lie where the window's mapping puts logical 0
# in a drawing window of that size: 666 of the 10000 logical units across
# from the left edge and up from the bottom edge, rounded to the nearest
# pixel; until then the screen may still show the window as it was before
# it grew.
readonly AXIS_INK='#000000'
half=$((LOGICAL_CLIENT_EXTENT / 2))
screen_x() { echo $((draw_x + ((($1) + LOGICAL_ORIGIN_OFFSET) * draw_w + half) / LOGICAL_CLIENT_EXTENT)); }
screen_y() { echo $((draw_y + draw_h - ((($1) + LOGICAL_ORIGIN_OFFSET) * draw_h + half) / LOGICAL_CLIENT_EXTENT)); }
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
    axis_x=$(screen_x 0)
    axis_y=$(screen_y 0)
    [ "$(pixel start "$axis_x" "$((draw_y + draw_h / 2))")" == "$AXIS_INK" ] &&
        [ "$(pixel start "$((draw_x + draw_w / 2))" "$axis_y")" == "$AXIS_INK" ]
}
wait_for "$PATIENCE" measure_drawing_window ||
    fail "no drawing window painted in the background colour $BACKGROUND with its axes where its" \
        "size puts them (see start.png)"
say "drawing window: ${draw_w}x${draw_h} at ($draw_x, $draw_y); its axes at x=$axis_x and y=$axis_y"

# Opens the loupe (Ctrl+L) and waits until it stands where it first shows,
# at the top right of the drawing window: it is mapped before it is moved
# there. Sets loupe (its window), loupe_x, loupe_y, loupe_w and loupe_h (its
# client area on the screen).
loupe_placed() {
    local info
    info=$(xwininfo -id "$loupe" 2>/dev/null) || return 1
    loupe_x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    loupe_y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    loupe_w=$(awk '/Width:/ {print $2}' <<<"$info")
    loupe_h=$(awk '/Height:/ {print $2}' <<<"$info")
    ((loupe_x + loupe_w > draw_x + draw_w * 3 / 4 && loupe_y < draw_y + draw_h / 4))
}
open_loupe() {
    keys ctrl+l
    wait_window Loupe
    loupe=$found
    wait_for "$PATIENCE" loupe_placed ||
        fail "the loupe is not at the top right of the drawing window but at ($loupe_x, $loupe_y)"
}

save_as() {
    menu_command f a
    type_file_name "Save As" "$1"
    written() { [ -s "$1" ] && ! find "/proc/$program_pid/fd" -lname "$1" 2>/dev/null | grep -q .; }
    wait_for "$PATIENCE" written "$1" ||
        fail "File|Save Data As wrote nothing to $1 within $PATIENCE s"
}
