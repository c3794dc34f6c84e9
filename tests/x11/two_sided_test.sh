#!/usr/bin/env bash
# The Morse potential searched in the window by real X input: the formula
# typed into "Ajustes...", "Predictor" below and above the ground state, the
# search step by step with "Buscar", then "Play" level by level, and the
# "Zoom" tab; after each step the window's plot is velquor-cli render's.
#
# two_sided_test.sh VELQUOR VELQUOR_CLI WORK_DIR
set -euo pipefail

. "$(dirname "$0")/x11_session.sh"

morse='8*(1 - exp(-(x - 0.5)))^2 - 8'
expect start --view normal

click 262 35 # the list opens; End and Enter choose its last item, "Formula"
sleep 1
xdotool key End Return
# The start formula, x^2 - 8, is the oscillator: the same picture.
expect formula --unchanged --view normal --formula 'x^2 - 8'

click 454 36 # "Ajustes...": the formula typed over the one it shows, Enter
find_settings() { settings=$(window_of '^Ajustes: Formula$') && [ -n "$settings" ]; }
within 30 find_settings || fail "\"Ajustes...\" opened no settings dialog"
xdotool windowfocus --sync "$settings"
xdotool key ctrl+a
xdotool type -- "$morse"
xdotool key Return
settings_closed() { [ -z "$(window_of '^Ajustes: Formula$')" ]; }
within 20 settings_closed || fail "Enter left the settings dialog open"
xdotool windowfocus --sync "$main"
expect morse --view normal --formula "$morse"

predict() {
  click 64 26 # into the energy box, all of it selected, typed over; Enter
  xdotool key ctrl+a
  xdotool type -- "$1"
  xdotool key Return
}
predict -6.5
expect below --view normal --formula "$morse" --energy -6.5
predict -5.9
expect above --view normal --formula "$morse" --energy -5.9

# "Buscar" step by step: the scan up from the bottom, then the bisection.
for steps in 1 2 3; do
  click 45 48
  expect "buscar-$steps" --view normal --formula "$morse" --steps "$steps"
done
for _ in $(seq 4 24); do click 45 48; sleep 0.1; done
expect buscar-24 --view normal --formula "$morse" --steps 24

# "Play" goes on to the first level, then finds one more each press.
for levels in 1 2; do
  click 113 48
  expect "play-$levels" --view normal --formula "$morse" --levels "$levels"
done
click 100 86 # the "Zoom" tab
expect zoom-2 --view zoom --formula "$morse" --levels 2
for levels in 3 4; do
  click 113 48
  expect "zoom-$levels" --view zoom --formula "$morse" --levels "$levels"
done
# One press more: the scan reaches the continuum edge and records nothing.
click 113 48
sleep 2
expect zoom-all --unchanged --view zoom --formula "$morse" --levels all

echo "all $step steps show velquor-cli's pixels"
