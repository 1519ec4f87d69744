#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
. tools/setup.sh
ensure_packages "${DUSKMAP_PACKAGES[@]}"
configure_and_build build
say "Running tests"
ctest --test-dir build --output-on-failure -j"$(nproc)"
