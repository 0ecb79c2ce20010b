#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
tovi_install_packages
tovi_build
exec "$TOVI_BUILD/tovi"
