#!/bin/sh
# Runs a command on a fresh virtual X display of its own (Xvfb), which ends with it.
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$@"
