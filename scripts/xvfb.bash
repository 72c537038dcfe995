# Sourced by the smoke test and the benchmarks: starts Xvfb on a free display.
#
#   start_xvfb WxH LOGFILE
#
# Sets xvfb_pid and exports DISPLAY; returns 1 when no display could be
# started. The caller stops it (kill "$xvfb_pid") in its exit trap.
start_xvfb() {
  local screen=$1 log=$2 n
  xvfb_pid=""
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp >>"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
      export DISPLAY=":$n"
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  return 1
}
