#!/usr/bin/env bash
# Builds and runs the whole test suite headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" -DVEZO_WERROR=ON "$@"
cd "${BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
