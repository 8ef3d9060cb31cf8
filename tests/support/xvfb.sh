# Sourced by the scripts that drive a built program under a real X server.
# Gives: fail MESSAGE; start_xvfb FOLDER (exports DISPLAY); start_program LOG COMMAND...;
# find_window TITLE-REGEX (sets window, X, Y, WIDTH, HEIGHT); and stops everything it started on exit.
xvfb_pids=()
xvfb_cleanup() {
  local pid
  for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap xvfb_cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display number itself and writes it to the file.
start_xvfb() {
  local folder=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
  xvfb_pids+=($!)
  local _
  for _ in $(seq 100); do [[ -s $folder/display ]] && break; sleep 0.1; done
  [[ -s $folder/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$folder/display")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the program in the background; its pid is in program_pid.
start_program() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 &
  program_pid=$!
  xvfb_pids+=("$program_pid")
}

# Waits up to 20 s for a window whose title matches, and reads its geometry.
find_window() {
  window=
  local _
  for _ in $(seq 200); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "no window titled $1"
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
}
