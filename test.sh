#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the GUI-free
# suites again under AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of
# every file reader's fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
tarvex_ensure_packages

export QT_QPA_PLATFORM=offscreen
FUZZ_SECONDS=${TARVEX_FUZZ_SECONDS:-10}

configure() { # dir, extra cmake args...
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
}

echo "== build"
# Tests need no debug information; leaving it out halves the compile time.
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
cmake --build build
echo "== tests"
ctest --test-dir build --output-on-failure -j2

echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer"
configure build-asan -DTARVEX_SANITIZE=ON -DTARVEX_BENCH=OFF -DTARVEX_GUI=OFF -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2

echo "== fuzz targets (${FUZZ_SECONDS}s each)"
configure build-fuzz -DTARVEX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug
cmake --build build-fuzz
for target in build-fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work=$(mktemp -d)
    log=$(mktemp)
    if [ -d "fuzz/corpus/${name#fuzz_}" ]; then cp -r "fuzz/corpus/${name#fuzz_}/." "$work/"; fi
    echo "-- $name"
    # The readers work in the current directory, so each target runs in its own; the log
    # stays outside it so the fuzzer does not take it for an input.
    (cd "$work" && "$OLDPWD/$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 \
        -close_fd_mask=3 . >"$log" 2>&1) || { tail -n 60 "$log"; exit 1; }
    grep -E 'Done [0-9]+ runs' "$log" || true
    rm -rf "$work" "$log"
done

echo "== all tests passed"
