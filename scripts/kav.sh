#!/usr/bin/env bash
# Install what is missing, build, then start KavStudio on the simulated KAV100
# ("run") or run the whole test suite ("test"). Meant for Debian 12; run as
# root (or with sudo rights) so missing packages can be installed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_BUILD_DIR:-$root/build}"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick poppler-utils fonts-liberation2 fonts-dejavu-core
  cups cups-bsd printer-driver-cups-pdf
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KAV_BUILD_TYPE:-RelWithDebInfo}" "$@"
  cmake --build "$build" -j "$jobs"
}

case "${1:-}" in
  run)
    shift
    install_missing
    configure_and_build
    args=("/sim" "$@")
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display: starting KavStudio inside a virtual X server (xvfb-run)."
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/KavStudio" "${args[@]}"
    fi
    exec "$build/bin/KavStudio" "${args[@]}"
    ;;
  test)
    shift
    install_missing
    configure_and_build
    cd "$build"
    exec ctest --output-on-failure -j "$jobs" "$@"
    ;;
  build)
    shift
    install_missing
    configure_and_build "$@"
    ;;
  *)
    echo "usage: scripts/kav.sh run|test|build" >&2
    exit 64
    ;;
esac
