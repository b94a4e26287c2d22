# shellcheck shell=bash
# Sourced by the scripts whose own output is a result (a path, a summary) and that build on the way.
#   quiet COMMAND [ARG...]
# Runs the command with its standard output held back, and prints that output on standard error only if the
# command fails; its standard error goes through as it comes. Ninja reports a failed compile, the compiler's
# messages with it, on standard output: thrown away, a broken build would say no more than that it failed.
quiet() {
  local output status=0
  output=$("$@") || status=$?
  [ "$status" -eq 0 ] || printf '%s\n' "$output" >&2
  return "$status"
}
