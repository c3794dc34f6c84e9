#!/usr/bin/env bash
# The built window on a private X server with no window manager, driven only
# by X input (xdotool): after each step the plot rectangle of a capture of the
# window must be, pixel for pixel, what velquor-cli render draws for the same
# state.
#
# real_input_test.sh VELQUOR VELQUOR_CLI WORK_DIR
set -euo pipefail

. "$(dirname "$0")/x11_session.sh"

expect start --view normal

click 45 48 # "Buscar"
expect buscar --view normal --steps 1

click 113 48 # "Play", then the timer runs until the first level
expect play --view normal --levels 1

click 100 86 # the "Zoom" tab
expect zoom --view zoom --levels 1

click 262 35 # the list opens with its current item, "Oscilador armonico", over the box ...
sleep 1
click 250 56 # ... and "Pozo Finito", the line below it, is chosen
expect well --view zoom --potential well

click 64 26 # into the energy box, all of it selected, typed over; Enter
xdotool key ctrl+a
xdotool type -- -5.5
xdotool key Return
# The zoom view does not show a prediction; the normal view does.
expect energy --unchanged --view zoom --potential well --energy -5.5
click 40 86 # the "Normal" tab
expect normal --view normal --potential well --energy -5.5

# A right click beside the plot: the window's menu opens beside it.
count_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
before=$(count_windows)
click 650 5 3
menu_open() { [ "$(count_windows)" -gt "$before" ]; }
within 20 menu_open || fail "no menu after a right click"
expect menu --unchanged --view normal --potential well --energy -5.5
xdotool key Escape
menu_closed() { [ "$(count_windows)" -eq "$before" ]; }
within 20 menu_closed || fail "Escape left the menu open"

xdotool key F1
find_about() { about=$(window_of '^About velquor$') && [ -n "$about" ]; }
within 20 find_about || fail "F1 opened no About box"
eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/MAIN_/')"
eval "$(xdotool getwindowgeometry --shell "$about" | sed 's/^/ABOUT_/')"
ax=$((ABOUT_X - MAIN_X))
ay=$((ABOUT_Y - MAIN_Y))
# Where the About box lies over the window, a capture of the window has no
# pixels of its own: the rest of the plot must be unchanged.
expect about --unchanged --mask "$ax,$ay $((ax + ABOUT_WIDTH - 1)),$((ay + ABOUT_HEIGHT - 1))" \
  --view normal --potential well --energy -5.5
xdotool key Escape
about_closed() { [ -z "$(window_of '^About velquor$')" ]; }
within 20 about_closed || fail "Escape left the About box open"
expect closed --unchanged --view normal --potential well --energy -5.5

# Ctrl+S: Qt's file dialog, the name typed over the one it offers, Enter.
# The file is the one velquor-cli render writes for the same state.
xdotool key ctrl+s
find_save() { save=$(window_of '^Save picture$') && [ -n "$save" ]; }
within 30 find_save || fail "Ctrl+S opened no file dialog"
xdotool key ctrl+a
xdotool type -- "$work/saved.png"
xdotool key Return
within 30 test -s "$work/saved.png" || fail "nothing was saved to $work/saved.png"
save_closed() { [ -z "$(window_of '^Save picture$')" ]; }
within 20 save_closed || fail "the file dialog stayed open"
cmp "$work/saved.png" "$previous" || fail "the saved picture is not velquor-cli render's file"
echo "ok $((step + 1)) - saved"

echo "all $step steps show velquor-cli's pixels, and the saved file is its file"
