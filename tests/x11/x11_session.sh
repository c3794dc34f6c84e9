# The window on a private X server with no window manager, and the steps of
# a test driven only by X input: sourced by each x11 test with its arguments,
#   . x11_session.sh VELQUOR VELQUOR_CLI WORK_DIR [WINDOW ARGUMENTS...]
# It starts Xvfb and the window ($main, with the arguments), and defines click, capture and
# expect (the window's plot against velquor-cli render of the same state).
velquor=$1
cli=$2
work=$3

for tool in Xvfb xdotool import convert compare cmp; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (Debian: xvfb, xdotool, imagemagick)"
    exit 77
  fi
done

rm -rf "$work"
mkdir -p "$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits up to $1 seconds for the command that follows to succeed.
within() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

# A private server on a free display number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
within 30 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb
# A home of its own: the file dialog opens there and keeps its history there.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"

"$velquor" "${@:4}" >"$work/velquor.log" 2>&1 &
app=$!
pids+=("$app")
window_of() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
find_main() { main=$(window_of '^Velquor 1\.0\.0$') && [ -n "$main" ]; }
within 60 find_main || fail "no window came up: $(cat "$work/velquor.log")"
# No window manager gives the window the keyboard: X input does.
xdotool windowfocus --sync "$main"

# Places of the controls in the window, in pixels (template 102).
plot=624x584+19+111
click() { xdotool mousemove --window "$main" "$1" "$2" click "${3:-1}"; }

# The window's plot rectangle as raw RGB; in the file named $1 (.rgb), with
# the rectangle given in window coordinates by $2 (x0,y0 x1,y1) blacked out.
capture() {
  import -window "$main" "$work/window.png" 2>/dev/null || return 1
  convert "$work/window.png" ${2:+-fill black -draw "rectangle $2"} -crop "$plot" +repage \
    -depth 8 "rgb:$1"
}

step=0
previous=
# expect NAME [--unchanged] [--mask RECT] RENDER-OPTIONS...: waits until the
# window shows what velquor-cli render draws with those options, and still
# shows it a moment later. Unless --unchanged, that picture must differ from
# the step before's, so that a step which did nothing cannot pass.
expect() {
  local name=$1 mask= unchanged=
  shift
  if [ "$1" = --unchanged ]; then
    unchanged=1
    shift
  fi
  if [ "$1" = --mask ]; then
    mask=$2
    shift 2
  fi
  step=$((step + 1))
  local base="$work/$(printf %02d "$step")-$name"
  "$cli" render "$@" --output "$base-cli.png" || fail "$name: velquor-cli render $* failed"
  if [ -n "$previous" ] && [ -z "$unchanged" ] && cmp -s "$previous" "$base-cli.png"; then
    fail "$name: velquor-cli render $* draws the same picture as the step before"
  fi
  previous=$base-cli.png
  convert "$base-cli.png" ${mask:+-fill black -draw "$(shift_rect "$mask")"} -depth 8 \
    "rgb:$base-cli.rgb"
  same() { capture "$base.rgb" "$mask" && cmp -s "$base.rgb" "$base-cli.rgb"; }
  if within 60 same && sleep 0.5 && same; then
    cp "$work/window.png" "$base-window.png"
    echo "ok $step - $name"
    return 0
  fi
  cp "$work/window.png" "$base-window.png"
  convert -size 624x584 -depth 8 "rgb:$base.rgb" "$base-shown.png"
  local differ
  differ=$(compare -metric AE "$base-shown.png" "$base-cli.png" null: 2>&1 || true)
  fail "$name: the window's plot differs from velquor-cli render $* in $differ pixels" \
    "(see $base-shown.png and $base-cli.png)"
}
# A rectangle in window coordinates moved into the plot's.
shift_rect() {
  local x0 y0 x1 y1
  IFS=', ' read -r x0 y0 x1 y1 <<<"$1"
  echo "rectangle $((x0 - 19)),$((y0 - 111)) $((x1 - 19)),$((y1 - 111))"
}
