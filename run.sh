#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Duskmap.
# Arguments pass through to the program: ./run.sh --snapshot map.png
set -euo pipefail
cd "$(dirname "$0")"
. tools/setup.sh
ensure_packages "${DUSKMAP_PACKAGES[@]}" >&2
configure_and_build build >&2
say "Starting build/duskmap $*" >&2
exec ./build/duskmap "$@"
