#!/bin/sh
# Runs a Windows program under Wine in the project's prefix (CTest's cross-compiling emulator).
set -eu
. "$(dirname "$0")/wine-env.sh"
vantrel_make_prefix
exec "$WINE64" "$@"
