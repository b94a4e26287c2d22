# shellcheck shell=bash
# Sourced by the scripts that need a virtual X display of their own.
#   start_xvfb SCREEN [XVFB_OPTION...]      e.g. start_xvfb 1280x800x24 -noreset
# Starts Xvfb with screen 0 of that size, waits until it accepts connections, and exports DISPLAY. Xvfb
# picks a free display number itself and writes it to the -displayfd descriptor once it is ready, so no
# number is guessed that another server could take first, and no sleep guesses how long it takes to come
# up. Its PID is left in xvfb_pid, set as soon as it starts, for the caller's cleanup to end it (after the
# clients that would abort when their display goes). Returns non-zero, with Xvfb ended, if it does not
# take a display within 30 s.
start_xvfb() {
  local screen=$1 fd display="" waited=0 status=0
  shift
  # Xvfb writes the number to descriptor 3, the pipe read here; its own output is of no use to the callers.
  exec {fd}< <(exec Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp "$@" 3>&1 >/dev/null 2>&1)
  xvfb_pid=$!
  read -r -t 30 -u "$fd" display || waited=$?
  exec {fd}<&-
  if [ -z "$display" ]; then
    # read's status above 128 is its timeout; anything else is the end of the pipe: Xvfb has exited.
    if [ "$waited" -gt 128 ]; then
      kill "$xvfb_pid" 2>/dev/null || true
      wait "$xvfb_pid" 2>/dev/null || true
      echo "start_xvfb: Xvfb gave no display within 30 s" >&2
    else
      wait "$xvfb_pid" 2>/dev/null || status=$?
      # 127: not installed (the package xvfb, which scripts/bootstrap installs).
      echo "start_xvfb: Xvfb exited with status $status before it took a display" >&2
    fi
    return 1
  fi
  export DISPLAY=":$display"
}
