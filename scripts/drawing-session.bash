# Shared by the checks that digitize in a real X session (scripts/precise-check,
# scripts/loupe-error-check, scripts/calibrate-check); sourced after
# x-session.bash, with check_name and program set. It starts the session and
# the program maximized, reads the logical space's constants from the
# program, finds the drawing window (draw_x, draw_y, draw_w, draw_h) and
# offers the menus, keys, file dialogs, pointer moves and File|Save Data As
# as a person uses them.

# The caller and x-session.bash set the variables this reads, and wait_for
# calls the helpers defined inside functions.
# shellcheck shell=bash disable=SC2154,SC2317

readonly BACKGROUND='#C0C0C0'

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
wait_for 10 maximized || fail "the window manager does not show the window maximized"
geometry

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
window_closed() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
answer() {
    local title=$1 box
    shift
    wait_window "$title" 10
    box=$found
    xdotool windowactivate --sync "$box" key --clearmodifiers "$@"
    wait_for 10 window_closed "$box" || fail "the window \"$title\" stayed open after $*"
}
menu_open() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$program_pid" --name '' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
menu_command() {
    xdotool windowactivate --sync "$window" key --clearmodifiers "alt+$1"
    wait_for 5 menu_open || fail "the menu of Alt+$1 did not open"
    xdotool key "$2"
}
keys() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; }
type_file_name() {
    local dialog
    wait_window "$1" 10
    dialog=$found
    xdotool windowactivate --sync "$dialog" type --delay 10 "$2"
    xdotool key Return
    wait_for 10 window_closed "$dialog" ||
        fail "the file dialog \"$1\" stayed open after typing $2 and Enter"
}
pointer_at() {
    [ "$(xdotool getmouselocation --shell | awk -F= '/^[XY]=/ { printf "%s ", $2 }')" == "$1 $2 " ]
}
move_pointer() {
    pointer_at "$1" "$2" && return 0
    xdotool mousemove "$1" "$2"
    wait_for 5 pointer_at "$1" "$2" || fail "the pointer did not move to ($1, $2)"
}
# The first offset along a strip (see strip) with colour $3, or nothing.
first_of() { strip "$1" "$2" | awk -v colour="$3" '$2 == colour { print $1; exit }'; }

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
wait_for 10 measure_drawing_window ||
    fail "no drawing window painted in the background colour $BACKGROUND (see start.png)"
half=$((LOGICAL_CLIENT_EXTENT / 2))
screen_x() { echo $((draw_x + ((($1) + LOGICAL_ORIGIN_OFFSET) * draw_w + half) / LOGICAL_CLIENT_EXTENT)); }
screen_y() { echo $((draw_y + draw_h - ((($1) + LOGICAL_ORIGIN_OFFSET) * draw_h + half) / LOGICAL_CLIENT_EXTENT)); }
say "drawing window: ${draw_w}x${draw_h} at ($draw_x, $draw_y)"

save_as() {
    menu_command f a
    type_file_name "Save As" "$1"
    written() { [ -s "$1" ] && ! find "/proc/$program_pid/fd" -lname "$1" 2>/dev/null | grep -q .; }
    wait_for 10 written "$1" || fail "File|Save Data As wrote nothing to $1 within 10 s"
}
