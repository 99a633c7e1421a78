#!/usr/bin/env bash
# Builds the program and starts it with the built-in simulated unit attached.
# Further arguments go to vezo (for example --link=serial --port /dev/ttyUSB0).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
if [ $# -eq 0 ]; then set -- --link=sim; fi
exec "${BUILD_DIR:-$root/build}/vezo" "$@"
