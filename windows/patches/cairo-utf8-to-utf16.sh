#!/usr/bin/env bash
# With the win32 font backend off, cairo-misc.c still calls
# _cairo_utf8_to_utf16 on Windows (for _cairo_fopen): build the converter
# there too. Run inside the unpacked cairo source.
set -euo pipefail
sed -i 's/^#if CAIRO_HAS_WIN32_FONT || CAIRO_HAS_QUARTZ_FONT || CAIRO_HAS_PDF_OPERATORS$/& || defined(_WIN32)/' \
    src/cairoint.h
grep -q 'CAIRO_HAS_PDF_OPERATORS || defined(_WIN32)$' src/cairoint.h
