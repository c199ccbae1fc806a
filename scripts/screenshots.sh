#!/bin/sh
# Screenshots of the window under a real window manager, for the documentation and the AppStream
# metadata: docs/screenshots/*.png. Needs Xvfb, openbox, xdotool and ImageMagick's import.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
orvo="$build/app/orvo"
out=docs/screenshots
[ -x "$orvo" ] || { echo "no $orvo: build the window first" >&2; exit 1; }
mkdir -p "$out"

work=$(mktemp -d)
display=:$((90 + $$ % 9))
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A fresh user: no settings, no saved session, no remembered window size.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"

start_screen() {  # WIDTHxHEIGHT
  Xvfb "$display" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
}

stop_screen() {
  kill "$app" "$wm" "$xvfb" 2>/dev/null || true
  wait "$app" "$wm" "$xvfb" 2>/dev/null || true
  app= wm= xvfb=
  rm -rf "$XDG_STATE_HOME"
}

start_orvo() {
  "$orvo" >/dev/null 2>&1 &
  app=$!
  window=$(xdotool search --sync --onlyvisible --name '^Orvo$' | head -n 1)
  xdotool windowactivate --sync "$window"
  sleep 1
}

run() {  # types each argument as a line and presses Enter
  for line in "$@"; do
    xdotool type --delay 15 -- "$line"
    xdotool key Return
    sleep 0.3
  done
}

shot() {  # NAME [root]: the framed window, or the whole screen (open menus are windows of their own)
  sleep 0.7
  if [ "${2:-}" = root ]; then
    import -window root "$out/$1.png"
  else
    import -frame -window "$window" "$out/$1.png"
  fi
}

start_screen 1280x800
start_orvo
run "1+2=" "5*-2=" "sqrt(2)=" "sin(1e6)=" "1/0=" "&foo=" "&st(1;2;3;4;50)="
xdotool type --delay 15 "2^10"
shot window
xdotool key alt+e
shot menus root
# The first Esc closes the menu, the second leaves the menu bar to the console.
xdotool key Escape Escape
xdotool key End BackSpace BackSpace BackSpace BackSpace
run "&plot(-3;3;tan(x))="
shot plot
xdotool key F1
shot help
xdotool type --delay 15 "gam"
shot typing
stop_screen

start_screen 1024x600
start_orvo
run "1+2=" "sin(1e6)=" "&plot(-5;5;sin(x);x^2/10-1)="
xdotool type --delay 15 "pow(2,sin(1"
shot window-1024x600 root
stop_screen
echo "wrote $(ls "$out"/*.png | tr '\n' ' ')"
