# Sourced by the Xvfb tests of the real program (run-keys, run-screens): a
# work folder, an Xvfb display of its own, the program in a copy of its
# folder, screenshots and bounded polling. Every wait is bounded; on failure
# the screenshots and logs are kept.
#
#   smoke_begin NAME SCREEN PROGRAM_FOLDER SHOTCHECK
#       checks the tools, makes $work, copies the program folder to
#       $work/game (without data files) and starts Xvfb (SCREEN is WxH)
#   smoke_launch     starts corvane in $work/game ($game_pid)
#   shot             takes a screenshot, prints its path
#   poll SECONDS CHECK...   screenshots until CHECK (given the screenshot as
#                    its last argument) succeeds; 1 when the time is up
#   smoke_ended      waits up to 10 s for the program to end with status 0
#   smoke_pass       ends the test as passed
set -euo pipefail

smoke_name=smoke
work=""
xvfb_pid=""
game_pid=""
passed=0

fail() {
  echo "FAIL: $*"
  exit 1
}
step() { echo "-- $*"; }

smoke_cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
  [ -n "$work" ] || return 0
  if [ "$passed" = 1 ]; then rm -rf "$work"; else echo "$smoke_name: screenshots and logs kept in $work"; fi
}

smoke_begin() {
  smoke_name=$1
  local screen=$2
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
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.bash"
  start_xvfb "$screen" "$work/xvfb.log" || fail "no free X display could be started"
  step "Xvfb on $DISPLAY, screen $screen"
}

smoke_launch() {
  (cd "$work/game" && exec env -u CORVANE_WINDOW SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy ./corvane \
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
  local end=$((SECONDS + limit)) f
  while :; do
    alive
    f=$(shot)
    if "$@" "$f"; then return 0; fi
    [ "$SECONDS" -ge "$end" ] && return 1
    rm -f "$f"  # the last one stays
    sleep 0.05
  done
}

smoke_ended() {
  local status="" _
  for _ in $(seq 100); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      set +e
      wait "$game_pid"
      status=$?
      set -e
      break
    fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "the program did not end within 10 s"
  game_pid=""
  [ "$status" = 0 ] || fail "the program ended with status $status: $(cat "$work/game.log")"
}

smoke_pass() {
  passed=1
  echo "PASS: $smoke_name ($(find "$work" -name 'shot.*.bmp' | wc -l) screenshots, ${SECONDS} s)"
}
