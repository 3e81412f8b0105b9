#!/usr/bin/env bash
# Set-up and everyday commands for a Debian machine.
#   ./veltrace.sh demo [render options]   install, build, render veltrace.png
#   ./veltrace.sh test                    install, build, run every test
#   ./veltrace.sh build                   install, build
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config libcairo2-dev libpng-dev libgtest-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    install_missing_packages
    cmake --preset release
    cmake --build --preset release
}

case "${1:-}" in
    demo)
        shift
        build
        ./build/release/cli/veltrace render -o veltrace.png "$@"
        echo "Wrote veltrace.png"
        ;;
    test)
        build
        ctest --preset release
        ;;
    build)
        build
        ;;
    *)
        echo "usage: $0 demo [render options] | test | build" >&2
        exit 2
        ;;
esac
