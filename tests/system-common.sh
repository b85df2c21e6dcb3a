# Shared by the system tests, which drive the real program on the X server xvfb-run provides.
# Sourcing it gives a throwaway home (removed on exit, with the program stopped), `fail`,
# `wait_for`, and `save`, the path of the save file.
home=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT

# Prints the program's output with the reason, so a failure in CI explains itself.
fail() {
  echo "FAIL: $*" >&2
  echo "--- program output:" >&2
  cat "$home/log" >&2 || true
  exit 1
}

# Polls a command every 0.1 s for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  for ((i = 0; i < seconds * 10; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime
# ctest runs everything else offscreen; these need the X server.
export QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
save=$XDG_DATA_HOME/Tapalong/tapalong.json
