#!/usr/bin/env bash
# Builds pixman and cairo (image surface only: no fonts, no X, no PNG) as
# static Windows x64 libraries from Debian's own source packages of the
# versions this machine uses. Usage: build-deps.sh PREFIX. The result is
# cached: a second run with the libraries in PREFIX does nothing.
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -f "$prefix/lib/libcairo.a" ] && [ -f "$prefix/lib/libpixman-1.a" ]; then
    exit 0
fi
work="$prefix/src"
rm -rf "$work" && mkdir -p "$work" && cd "$work"
# The versions of the installed libraries, from Debian's source packages.
pixman_version=$(dpkg-query -W -f='${Version}' libpixman-1-0 | cut -d- -f1)
cairo_version=$(dpkg-query -W -f='${Version}' libcairo2 | cut -d- -f1)
apt-get source --download-only "pixman=$(dpkg-query -W -f='${Version}' libpixman-1-0)" \
    "cairo=$(dpkg-query -W -f='${Version}' libcairo2)" || true  # pixman's Debian diff may be missing
tar xf "pixman_${pixman_version}.orig.tar."*
tar xf "cairo_${cairo_version}.orig.tar."*

host=x86_64-w64-mingw32
export CC=$host-gcc-posix
export CFLAGS="-O2 -Wp,-U_FORTIFY_SOURCE"
jobs=$(nproc)

(cd "pixman-$pixman_version" &&
    ./configure --host=$host --prefix="$prefix" --enable-static --disable-shared --disable-gtk \
        --disable-libpng --disable-openmp > configure.log &&
    make -j"$jobs" > make.log && make install > install.log)

export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
export CFLAGS="$CFLAGS -DCAIRO_WIN32_STATIC_BUILD"
(cd "cairo-$cairo_version" && "$here/patches/cairo-utf8-to-utf16.sh" &&
    ./configure --host=$host --prefix="$prefix" --enable-static --disable-shared \
        --disable-xlib --disable-xlib-xrender --disable-xcb --disable-quartz --disable-win32 \
        --disable-win32-font --disable-png --disable-ps --disable-pdf --disable-svg --disable-ft --disable-fc \
        --disable-script --disable-gobject --disable-pthread --disable-trace --disable-interpreter \
        --disable-full-testing --disable-gtk-doc --disable-valgrind --disable-symbol-lookup > configure.log &&
    make -j"$jobs" -C src libcairo.la > make.log &&
    mkdir -p "$prefix/include/cairo" && cp src/.libs/libcairo.a "$prefix/lib/" &&
    cp src/cairo.h src/cairo-version.h src/cairo-features.h src/cairo-deprecated.h "$prefix/include/cairo/")
rm -rf "$work"
