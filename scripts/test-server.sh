#!/bin/sh
# start SERVER CASES_DIR STATE_DIR: starts the recording test server in the background and waits
#   until it listens (it writes STATE_DIR/port); it ends by itself after a while without traffic.
# stop STATE_DIR: ends the server started there, by the process id it was started with.
set -eu
action=$1
case $action in
  start)
    server=$2 cases=$3 state=$4
    if [ -f "$state/pid" ]; then kill "$(cat "$state/pid")" 2>/dev/null || true; fi
    rm -rf "$state"
    mkdir -p "$state"
    # Detached from ctest's pipes, or ctest would wait for the server to end.
    "$server" "$cases" "$state" "${QUENLOV_TEST_SERVER_IDLE:-300}" </dev/null >/dev/null 2>&1 &
    echo $! >"$state/pid"
    i=0
    while [ ! -s "$state/port" ]; do
      i=$((i + 1))
      if [ $i -gt 100 ]; then echo "test-server.sh: the server did not start" >&2; exit 1; fi
      sleep 0.1
    done
    echo "test server listening: $(cat "$state/port")"
    ;;
  stop)
    state=$2
    if [ -f "$state/pid" ]; then kill "$(cat "$state/pid")" 2>/dev/null || true; rm -f "$state/pid"; fi
    ;;
  *)
    echo "usage: test-server.sh start SERVER CASES_DIR STATE_DIR | stop STATE_DIR" >&2
    exit 64
    ;;
esac
