#!/usr/bin/env bash
# Builds build/windows/host/Veltrace.aex, the Windows x64 module, from this
# tree with Debian's mingw-w64, and checks it on this machine: as a PE file
# (exports, imports, PIPL resource), then under wine against the Linux
# module (the default frame byte for byte; the Random order as the Windows
# C library deals it).
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ] && ! grep -q '^Types: deb deb-src' "$sources"; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"  # for apt-get source
    apt-get update
fi
packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 autoconf automake
          libtool pkg-config icoutils dpkg-dev wine64)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The Linux build: the property list, the modules and check program to compare with.
./veltrace.sh build
windows/build-deps.sh build/windows/deps
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVELTRACE_WINDOWS_DEPS="$PWD/build/windows/deps" \
    -DVELTRACE_PIPL_BIN="$PWD/build/release/resources/pipl.bin"
cmake --build build/windows --target Veltrace render_check
aex=build/windows/host/Veltrace.aex
windows/check-pe.sh "$aex" build/release/resources/pipl.bin

run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
mkdir -p "$run/wine" "$run/linux" "$run/windows-order"
cp "$aex" build/windows/windows/render_check.exe "$run/"
(cd "$run" && WINEPREFIX="$run/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    /usr/lib/wine/wine64 render_check.exe Veltrace.aex wine)
build/release/windows/render_check build/release/host/Veltrace.so "$run/linux"
build/release/windows/render_check build/release/host/Veltrace_windows_order.so "$run/windows-order"
cmp "$run/wine/default.raw" "$run/linux/default.raw"
echo "default frame: the Windows module's pixels equal the Linux module's"
cmp "$run/wine/random.raw" "$run/windows-order/random.raw"
if cmp -s "$run/wine/random.raw" "$run/linux/random.raw"; then
    echo "Random order: the Windows module dealt the windows as the macOS library does"
    exit 1
fi
echo "Random order: the Windows module shows the Windows C library's permutation"
echo "Veltrace.aex: $(stat -c %s "$aex") bytes; built and checked in $(( $(date +%s) - start )) s"
