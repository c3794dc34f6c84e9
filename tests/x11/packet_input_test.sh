#!/usr/bin/env bash
# The "Paquete" tab of the built window, driven only by X input (xdotool) on
# a private X server: the tab, its fields, "Pausa"/"Play" and "t = 0". After
# each step the window's plot must be, pixel for pixel, what velquor-cli
# render --view packet draws for the same state.
#
# packet_input_test.sh VELQUOR VELQUOR_CLI WORK_DIR
set -euo pipefail

. "$(dirname "$0")/x11_session.sh"

# Types text over a band field's (all selected first), at window coordinates.
type_into() {
  click "$1" "$2"
  xdotool key ctrl+a
  xdotool type -- "$3"
}

# The band of controls over the top 60 rows of the plot is the window's own;
# the picture leaves it blank.
band="19,111 642,170"

expect start --view normal

click 394 86 # the "Paquete" tab: the packet runs at once; "Pausa" stops it
click 65 153
click 151 153 # "t = 0"
expect tab --mask "$band" --view packet

type_into 79 127 -12 # x0
type_into 169 127 4  # k0
xdotool key Return   # applies the band (not "Predictor")
expect packet --mask "$band" --view packet --x0 -12 --k0 4

type_into 412 154 2.5 # t
xdotool key Return
expect time --mask "$band" --view packet --x0 -12 --k0 4 --time 2.5

# "Play" lets it run on; "Pausa" stops it somewhere later.
click 65 153
sleep 1
click 65 153
capture "$work/moved.rgb" "$band" || fail "no capture"
cmp -s "$work/moved.rgb" "${previous%.png}.rgb" && fail "the packet did not move while it played"
convert -size 624x584 -depth 8 "rgb:$work/moved.rgb" "$work/moved.png"
echo "ok - played on and paused"
click 151 153 # "t = 0"
expect reset --mask "$band" --view packet --x0 -12 --k0 4

# A sigma that is not positive: the message, and nothing changes.
type_into 293 127 0 # sigma
xdotool key Return
find_message() { message=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -v "^$main$" | head -n1) && [ -n "$message" ]; }
within 20 find_message || fail "no message for sigma 0"
xdotool key Return
message_closed() { ! find_message; }
within 20 message_closed || fail "the message stayed open"
expect refused --unchanged --mask "$band" --view packet --x0 -12 --k0 4
type_into 293 127 1.5
xdotool key Return
expect sigma --mask "$band" --view packet --x0 -12 --k0 4 --sigma 1.5

# Another potential: the packet starts again there, still paused.
click 262 35 # the list opens with "Oscilador armonico" ...
sleep 1
click 250 56 # ... and "Pozo Finito" below it is chosen
expect well --mask "$band" --view packet --potential well --x0 -12 --k0 4 --sigma 1.5

echo "all $step steps show velquor-cli's pixels"
