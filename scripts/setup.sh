#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need
# (only those that are missing), then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools libqt6uitools6 libgl-dev libxkbcommon-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation
  libreoffice-writer-nogui poppler-utils
  libqt6svg6
  xvfb imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
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
