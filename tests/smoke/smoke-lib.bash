# Sourced by the Xvfb tests of the real program (run-smoke, run-keys,
# run-screens): a work folder, an Xvfb display of its own, the program in a
# copy of its folder, screenshots checked by corvane-shotcheck, real X keys
# and clicks (xdotool). Every wait is bounded; on failure the screenshots and
# logs are kept in the work folder.
#
# The game runs on the wall clock (at level 1 a block falls a row every
# 333 ms, at level 10 every 129 ms) while a screenshot on a busy machine can
# take seconds. So no check races the clock: the program is stopped
# (SIGSTOP) while a screenshot is taken and looked at, and its timers, which
# merge the ticks they missed, move it on by one tick or so between two
# looks. Moves are sent while the game stands in its own pause: a move key
# ends the pause without moving, so each move is one burst of keys (the key
# that ends the pause, the moves, and P), and extra moves against the
# board's edge do nothing, so the outcome does not depend on the block's
# row. A check looks at the outcome of what was sent, never at a state that
# lasts only until the next fall.
#
#   smoke_begin NAME SCREEN PROGRAM_FOLDER SHOTCHECK
#       checks the tools, makes $work, copies the program folder to
#       $work/game (without data files) and starts Xvfb (SCREEN is WxH)
#   smoke_screen SCREEN     stops the program and Xvfb and starts Xvfb anew
#                    with a screen of SCREEN (WxH)
#   smoke_wm         starts a window manager (openbox, $wm_pid) on the display,
#                    to frame, maximise and resize an ordinary window
#   smoke_launch [WINDOW]   starts corvane in $work/game ($game_pid), full
#                    screen, or in a window of WINDOW (WxH) pixels; in
#                    $game_folder instead when that is set
#   shot             takes a screenshot, prints its path
#   poll SECONDS CHECK...   looks until CHECK (given the screenshot as its
#                    last argument) succeeds, the program stopped from each
#                    screenshot to the end of its check; 1 when the time is
#                    up. Between looks the program runs for $poll_gap
#                    seconds (0.05; more where it must play on by itself).
#   keys KEY...      one burst of key presses
#   smoke_ended [STATUS]    waits up to 60 s for the program to end with
#                    STATUS (0 unless given)
#   smoke_pass       ends the test as passed
#
# The checks below take the screenshot last and need the game window's upper
# left corner on the screen in wx, wy (set by the caller):
#   artwork [SCALE] SHOT     the window's artwork left and right of the board
#   block_in COLUMN [KIND] SHOT   a block's picture (of that kind) in the
#                    column, looked for from row 10 down; the place and
#                    picture found in $found (kind_of_found, row_of_found)
#   paused SHOT, running SHOT, paused_in COLUMN [KIND] SHOT
#                    the pause picture; columns 1 and 7 lie clear of it
#   navy_share SHOT, panel_open SHOT, panel_closed SHOT
#                    the instructions panel over the board
set -euo pipefail

smoke_name=smoke
work=""
xvfb_pid=""
wm_pid=""
game_pid=""
passed=0
poll_gap=0.05

fail() {
  echo "FAIL: $*"
  exit 1
}
step() { echo "-- $*"; }

smoke_cleanup() {
  [ -n "$game_pid" ] && kill -CONT "$game_pid" 2>/dev/null || true
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
  [ -n "$work" ] || return 0
  if [ "$passed" = 1 ]; then rm -rf "$work"; else echo "$smoke_name: screenshots and logs kept in $work"; fi
}

smoke_begin() {
  smoke_name=$1
  local screen=$2 k
  program=$(cd "$3" && pwd)
  shotcheck=$4
  for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages xvfb, xdotool, imagemagick)"
  done
  [ -x "$program/corvane" ] || fail "no program at $program/corvane"
  [ -x "$shotcheck" ] || fail "no helper at $shotcheck"
  work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-$smoke_name.XXXXXX")
  trap smoke_cleanup EXIT
  trap 'exit 1' INT TERM HUP
  cp -r "$program" "$work/game"
  rm -f "$work/game/HI.SCO" "$work/game/OPT.TXT"
  pictures=$work/game/pictures
  blocks=()  # the block pictures of the pipes set
  for k in $(seq 11); do blocks+=("$pictures/p$k.bmp"); done
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.bash"
  smoke_screen "$screen"
}

smoke_screen() {
  if [ -n "$game_pid" ]; then
    kill -CONT "$game_pid" 2>/dev/null || true
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
  fi
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=""
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  start_xvfb "$1" "$work/xvfb.log" || fail "no free X display could be started"
  step "Xvfb on $DISPLAY, screen $1"
}

smoke_wm() {
  local tool
  for tool in openbox wmctrl; do command -v "$tool" >/dev/null || fail "$tool is missing (packages openbox, wmctrl)"; done
  openbox --sm-disable >>"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    wmctrl -m >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "openbox did not start: $(cat "$work/wm.log")"
}

smoke_launch() {
  local window=(-u CORVANE_WINDOW)
  [ $# -eq 0 ] || window=("CORVANE_WINDOW=$1")
  (cd "${game_folder:-$work/game}" && exec env "${window[@]}" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ./corvane \
    >"$work/game.log" 2>&1) &
  game_pid=$!
}

shot() {
  local f
  f=$(mktemp --suffix=.bmp "$work/shot.XXXXXX")
  import -window root "BMP3:$f" 2>>"$work/import.log" || fail "import could not take a screenshot"
  echo "$f"
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/game.log")"; }

poll() {
  local limit=$1
  shift
  local end=$((SECONDS + limit)) f ok
  while :; do
    alive
    kill -STOP "$game_pid" 2>/dev/null || true
    f=$(shot)
    if "$@" "$f"; then ok=1; else ok=0; fi
    kill -CONT "$game_pid" 2>/dev/null || true
    [ "$ok" = 1 ] && return 0
    [ "$SECONDS" -ge "$end" ] && return 1
    rm -f "$f"  # the last one stays
    sleep "$poll_gap"
  done
}

keys() { xdotool key --delay 5 "$@"; }

# Keys go to the window under the pointer: park it on the board.
park_pointer() { xdotool mousemove $((wx + 320)) $((wy + 240)); }

artwork() {
  local scale=1
  [ $# -eq 1 ] || scale=$1
  "$shotcheck" part "${!#}" "$wx" "$wy" "$pictures/visual.bmp" 0 0 160 480 "$scale" 2>>"$work/misses.log" &&
    "$shotcheck" part "${!#}" "$wx" "$wy" "$pictures/visual.bmp" 560 0 80 100 "$scale" 2>>"$work/misses.log"
}

block_x() { echo $((wx + 165 + 42 * ($1 - 1) + 2)); }
block_y() { echo $((wy + 26 + 382 - 42 * ($1 - 1))); }
found=""
block_in() {
  local places=() r pics=("${blocks[@]}")
  [ $# -eq 2 ] || pics=("$pictures/p$2.bmp")
  for r in $(seq 10 -1 1); do places+=("$(block_x "$1")" "$(block_y "$r")"); done
  found=$("$shotcheck" match "${!#}" "${places[@]}" -- "${pics[@]}" 2>>"$work/misses.log") || return 1
}
kind_of_found() { local name=${found##*/p}; echo "${name%.bmp}"; }
row_of_found() { local y=${found#* }; y=${y%% *}; echo $(((wy + 26 + 382 - y) / 42 + 1)); }

paused() {
  "$shotcheck" match "${!#}" $((wx + 165 + 48)) $((wy + 26 + 112)) -- "$pictures/pause.bmp" >/dev/null \
    2>>"$work/misses.log"
}
running() { ! paused "$@"; }
paused_in() { paused "$@" && block_in "$@"; }

navy_share() { "$shotcheck" share "$1" $((wx + 165)) $((wy + 26)) 297 424 000080; }
panel_open() { [ "$(navy_share "$1")" -ge 80 ]; }
panel_closed() { [ "$(navy_share "$1")" -lt 20 ]; }

smoke_ended() {
  local status="" end=$((SECONDS + 60)) want=${1:-0}
  while [ "$SECONDS" -le "$end" ]; do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      set +e
      wait "$game_pid"
      status=$?
      set -e
      break
    fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "the program did not end within 60 s"
  game_pid=""
  [ "$status" = "$want" ] || fail "the program ended with status $status, not $want: $(cat "$work/game.log")"
}

smoke_pass() {
  passed=1
  echo "PASS: $smoke_name ($(find "$work" -name 'shot.*.bmp' | wc -l) screenshots, ${SECONDS} s)"
}
