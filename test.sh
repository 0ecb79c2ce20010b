#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
tovi_install_packages
tovi_build
cd "$TOVI_BUILD"
ctest --output-on-failure --timeout 120 -j "$(nproc)" "$@"
