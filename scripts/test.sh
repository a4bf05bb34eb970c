#!/usr/bin/env bash
# Installs what is missing, builds Brivela and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir "${BRIVELA_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
# The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
bash scripts/test-sanitized.sh
