#!/usr/bin/env bash
# Scenarios at the window, by X input only: velquor --lang en FILE opens the
# file's state, Ctrl+O opens another through Qt's file dialog, Ctrl+Shift+S
# saves the state on show; each time the plot is, pixel for pixel, what
# velquor-cli render --scenario draws of that file.
#
# scenario_test.sh VELQUOR VELQUOR_CLI WORK_DIR SCENARIOS_DIR
set -euo pipefail
scenarios=$4
first=$scenarios/lesson1-1.json
second=$scenarios/lesson4-2.json

. "$(dirname "$0")/x11_session.sh" "$1" "$2" "$3" --lang en "$first"

expect opened --scenario "$first"

xdotool key ctrl+o
find_open() { dialog=$(window_of '^Open scenario$') && [ -n "$dialog" ]; }
within 30 find_open || fail "Ctrl+O opened no file dialog"
xdotool key ctrl+a
xdotool type -- "$second"
xdotool key Return
# The "Evolucion" band covers the top rows of the plot, which the picture leaves white.
expect second --mask "19,111 642,170" --scenario "$second"

click 40 86 # the "Normal" tab: the second scenario chose the oscillator afresh
expect normal --view normal

xdotool key ctrl+shift+s
find_save() { dialog=$(window_of '^Save scenario$') && [ -n "$dialog" ]; }
within 30 find_save || fail "Ctrl+Shift+S opened no file dialog"
xdotool key ctrl+a
xdotool type -- "$work/saved.json"
xdotool key Return
within 30 test -s "$work/saved.json" || fail "nothing was saved to $work/saved.json"
expect saved --unchanged --scenario "$work/saved.json"

echo "all $step steps show velquor-cli's pixels of the scenario files"
