#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need
# (scripts/packages.txt; only those that are missing), then configures and
# builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/package_list.sh
mapfile -t packages < <(wm4_setup_packages scripts/packages.txt)

missing=()
for p in "${packages[@]}"; do
  wm4_is_installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${WM4_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
