#!/usr/bin/env bash
# Install what is missing, build, then start KavStudio on the simulated KAV100
# ("run") or run the whole test suite ("test"). "package" builds the Debian
# package, "windows" cross-compiles the portable core with MinGW-w64 and runs
# its tests under wine. Meant for Debian 12; run as root (or with sudo rights)
# so missing packages can be installed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_BUILD_DIR:-$root/build}"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev llvm
  xvfb xauth xdotool imagemagick poppler-utils fonts-liberation2 fonts-dejavu-core
  cups cups-bsd printer-driver-cups-pdf
  libqt6sql6-sqlite libqt6sql6-psql postgresql
)
# The Debian package and its checks (scripts/kav.sh package, .ci/run).
package_packages=(dpkg-dev fakeroot file lintian appstream desktop-file-utils man-db)
# The Windows check of the portable core: MinGW-w64, GoogleTest's sources, wine.
windows_packages=(g++-mingw-w64-x86-64-posix googletest wine64)

install_missing() {
  local missing=()
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The package: an installation under /usr, built with Debian's hardening
# flags, without tests; cpack makes kavstudio_<version>_<arch>.deb in $pkgbuild.
build_package() {
  local pkgbuild="${KAV_PACKAGE_BUILD_DIR:-$root/build-pkg}"
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  (
    eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
    # No debugging information: the package's binaries are stripped anyway.
    export CFLAGS="${CFLAGS//-g /} $CPPFLAGS" CXXFLAGS="${CXXFLAGS//-g /} $CPPFLAGS"
    cmake -S "$root" -B "$pkgbuild" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_STRIP="$root/packaging/strip.sh" -DKAV_BUILD_TESTS=OFF -DKAV_BUILD_BENCH=OFF "${launcher[@]}"
    cmake --build "$pkgbuild" -j "$jobs"
    cd "$pkgbuild" && rm -f kavstudio_*.deb && cpack -G DEB
  )
  ls "$pkgbuild"/kavstudio_*.deb
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
  package)
    shift
    install_missing "${package_packages[@]}"
    build_package
    ;;
  windows)
    shift
    install_missing "${windows_packages[@]}"
    exec "$root/scripts/windows_check.sh" "$@"
    ;;
  *)
    echo "usage: scripts/kav.sh run|test|build|package|windows" >&2
    exit 64
    ;;
esac
