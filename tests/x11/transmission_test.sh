#!/usr/bin/env bash
# The "Transmision" tab in the window by real X input: a double barrier typed
# into "Ajustes...", the tab clicked, then its energy marker moved by a click
# on the picture, the arrow keys, End and a drag; after each step the
# window's plot (its band of controls masked) is velquor-cli render's with
# the marker at that column's energy.
#
# transmission_test.sh VELQUOR VELQUOR_CLI WORK_DIR
set -euo pipefail

. "$(dirname "$0")/x11_session.sh"

barrier='6*(abs(x)>1)*(abs(x)<1.5)'
expect start --view normal

click 262 35 # the list opens; End and Enter choose its last item, "Formula"
sleep 1
xdotool key End Return
expect formula --unchanged --view normal --formula 'x^2 - 8'

click 454 36 # "Ajustes...": the formula typed over the one it shows, Enter
find_settings() { settings=$(window_of '^Ajustes: Formula$') && [ -n "$settings" ]; }
within 30 find_settings || fail "\"Ajustes...\" opened no settings dialog"
xdotool windowfocus --sync "$settings"
xdotool key ctrl+a
xdotool type -- "$barrier"
xdotool key Return
settings_closed() { [ -z "$(window_of '^Ajustes: Formula$')" ]; }
within 20 settings_closed || fail "Enter left the settings dialog open"
xdotool windowfocus --sync "$main"
expect barrier --view normal --formula "$barrier"

# The tab's range is 0 to 9 (one and a half times the barriers' height)
# over the plot's 624 columns; a column's energy is that of its middle.
band="19,111 642,170"
column_energy() {
  python3 -c "import sys; print(repr(0.0 + (9.0 - 0.0) * (int(sys.argv[1]) + 0.5) / 624))" "$1"
}
click 314 86 # the "Transmision" tab: the marker on the first resonance
expect tab --mask "$band" --view transmission --formula "$barrier"
click $((19 + 100)) 400 # a click on the curves, column 100
expect click --mask "$band" --view transmission --formula "$barrier" --energy "$(column_energy 100)"
xdotool key Right Right Right
expect keys --mask "$band" --view transmission --formula "$barrier" --energy "$(column_energy 103)"
xdotool key End
expect end --mask "$band" --view transmission --formula "$barrier" --energy "$(column_energy 623)"
xdotool mousemove --window "$main" $((19 + 40)) 250 mousedown 1 \
  mousemove --window "$main" $((19 + 300)) 260 mousemove --window "$main" $((19 + 196)) 270 mouseup 1
expect drag --mask "$band" --view transmission --formula "$barrier" --energy "$(column_energy 196)"

echo "all $step steps show velquor-cli's pixels"
