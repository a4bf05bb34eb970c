#!/usr/bin/env bash
# Installs what is missing, builds Brivela and starts it on the bundled word base.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec "${BRIVELA_BUILD_DIR:-build}/bin/brivela" "$@"
