#!/usr/bin/env bash
# Installs the Debian 12 packages Brivela needs to build, test and run.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgcrypt20-dev          # independent cipher oracle for the tests
  fonts-dejavu-core        # a font with Cyrillic for the offscreen GUI tests
  fonts-urw-base35         # Nimbus Sans Narrow: descriptions are written for a narrow face
)
# Only for fuzzing and benchmarks (docs/robustness.md), not for the build or CI:
#   bash scripts/install-deps.sh --dev-tools
if [[ "${1:-}" == "--dev-tools" ]]; then
  packages+=(
    clang libclang-rt-14-dev   # libFuzzer and clang's sanitizer runtimes
    libbenchmark-dev           # Google Benchmark, for bench/
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
