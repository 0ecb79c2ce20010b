#!/usr/bin/env bash
# Shared by run.sh and test.sh: install missing Debian packages, configure and build.
set -euo pipefail

TOVI_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-pdf-dev qt6-svg-dev libsqlite3-dev sqlite3
               libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xvfb openbox poppler-utils clang-format)

tovi_install_packages() {
    local missing=()
    for p in "${TOVI_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tovi_build() {
    local top build
    top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    build="${TOVI_BUILD_DIR:-$top/build}"
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TOVI_BUILD_TYPE:-RelWithDebInfo}"
    fi
    cmake --build "$build" -j "$(nproc)"
    TOVI_BUILD="$build"
}
