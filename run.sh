#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on the bundled IEEE
# 14-bus example. Without a display it says so and runs the example's power flow with
# tarvex-engine instead, then shows the report.
#
#   ./run.sh [DOCUMENT.tvx]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
tarvex_ensure_packages

if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja
fi

root=$(pwd)
document=${1:-examples/ieee14.tvx}
if [ -n "${1:-}" ] && [ ! -f "$document" ]; then
    echo "run.sh: no such document: $document" >&2
    exit 1
fi
[ -f "$document" ] && document=$(cd "$(dirname "$document")" && pwd)/$(basename "$document")

# The analyses exchange their files in the working folder; keep them out of the sources.
work=build/run
mkdir -p "$work"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): running the example's power flow"
    echo "with tarvex-engine instead of the desktop program."
    cmake --build build --target tarvex-engine
    if [ ! -f "$document" ]; then
        echo "run.sh: the example $document is missing" >&2
        exit 1
    fi
    echo "Case: $document"
    ./build/cli/tarvex-engine case "$document" --output "$work/example.dat"
    status=0
    ./build/cli/tarvex-engine powerflow --dir "$work" --case "$work/example.dat" || status=$?
    echo
    cat "$work/pfoutput.dat"
    exit "$status"
fi

cmake --build build --target tarvex
cd "$work"
if [ -f "$document" ]; then
    exec "$root/build/cli/tarvex" "$document"
fi
echo "($document is not there: starting with a new network.)"
exec "$root/build/cli/tarvex"
