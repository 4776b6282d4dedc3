#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled example network's power flow
# case file.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
tarvex_ensure_packages

if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja
fi
cmake --build build --target tarvex-example
./build/cli/tarvex-example
