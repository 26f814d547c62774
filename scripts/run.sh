#!/usr/bin/env bash
# Sets everything up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${WM4_BUILD_DIR:-build}/src/app/wendmoor4" "$@"
