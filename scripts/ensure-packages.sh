#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing, so a
# second run costs nothing. Sourced by run.sh and test.sh.

TARVEX_PACKAGES=(
    cmake ninja-build g++ make
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    qt6-base-dev qt6-svg-dev fonts-liberation2
)

tarvex_ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${TARVEX_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
