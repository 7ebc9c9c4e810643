#!/bin/sh
# Runs a command with an X display for Wine: the current one, or a private Xvfb when there is none.
# One Wine server is kept alive for the whole command so that each program starts quickly.
set -eu
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
. "$(dirname "$0")/wine-env.sh"
vantrel_make_prefix
"$WINESERVER" -p 2>/dev/null || true  # already running is fine
# Start Wine's background services now, detached from our output: started by the first test they
# would inherit its pipes and keep CTest waiting for them to close.
"$WINE64" wineboot >/dev/null 2>&1 </dev/null || true
status=0
"$@" || status=$?
"$WINESERVER" -k 2>/dev/null || true
exit $status
